// A folder of its own for every scenario through the real module: the registry folders, the
// temporary folder the cut file goes to, the shell log standing in for opened documents, and the
// report of the receiver standing in for the cutting application.
#ifndef KERFWORKS_TESTS_SCENARIOS_SCENARIO_FOLDER_H
#define KERFWORKS_TESTS_SCENARIOS_SCENARIO_FOLDER_H

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "support/scratch_folder.h"

namespace kwtest {

using test_support::ReadFile;

class ScenarioFolder : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Names the receiver as the cutting application in the user's registry.
  void RegisterReceiver();
  std::filesystem::path Report() const { return folder_->ReceiverReport(); }
  // Waits up to 20 s for the receiver's report.
  bool WaitForReport() const;
  // The cut file the plug-in created in the temporary folder, or empty.
  std::filesystem::path CutFile() const;
  // The paths the plug-in asked the shell to open, in order.
  std::vector<std::string> ShellOpened() const;

  // The scenario's own folder; also the temporary folder.
  const std::filesystem::path& Scratch() const { return folder_->Path(); }

 private:
  std::optional<test_support::ScratchFolder> folder_;
};

}  // namespace kwtest

#endif  // KERFWORKS_TESTS_SCENARIOS_SCENARIO_FOLDER_H
