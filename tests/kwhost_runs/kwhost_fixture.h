// A folder of its own for every kwhost run of a test: the registry that names the receiver as the
// cutting application, the preference file, the temporary folder and the receiver's report.
#ifndef KERFWORKS_TESTS_KWHOST_RUNS_KWHOST_FIXTURE_H
#define KERFWORKS_TESTS_KWHOST_RUNS_KWHOST_FIXTURE_H

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "support/scratch_folder.h"

namespace kwtest {

using test_support::ReadFile;

struct RunResult {
  int status = -1;
  std::string out;
  std::string err;
};

class KwhostRun : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Writes `svg` as a drawing in the folder and returns its path.
  std::string Drawing(const std::string& svg, const std::string& name = "drawing.svg");
  void RegisterReceiver();
  // Sets (or, given nothing, removes) an environment variable for the rest of the test.
  void SetEnv(const std::string& name, const std::optional<std::string>& value);
  RunResult Run(std::vector<std::string> arguments);
  // The receiver's report of the last cut, once it has arrived (empty after 10 s).
  std::string ReceiverReport();
  // The path after "cut file written: " in a run's output.
  static std::string CutFilePath(const std::string& out);
  // The run's own folder: drawing, preferences, registry and the receiver's report.
  const std::filesystem::path& Folder() const { return scratch_->Path(); }

 private:
  std::optional<test_support::ScratchFolder> scratch_;
};

// A drawing of two layers: "Cut" with a rectangle, a circle and a group of two triangles, and
// "Print" with a text.
extern const char kTwoLayerDrawing[];

}  // namespace kwtest

#endif  // KERFWORKS_TESTS_KWHOST_RUNS_KWHOST_FIXTURE_H
