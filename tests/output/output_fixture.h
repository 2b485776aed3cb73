// Shared set-up of the writer's and launcher's tests: the stand-in host with the plug-in's
// suites and strings and a US Letter document, and a scratch folder with environment overrides
// that are undone after each test.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "hostapi/suites.h"
#include "standin/scenario/document_builder.h"
#include "standin/scenario/shapes.h"
#include "support/plugin_host.h"
#include "support/scratch_folder.h"
#include "wrappers/host_suites.h"

namespace output_test {

using standin::CornerPoint;
using test_support::ReadFile;

inline void WriteFile(const std::filesystem::path& path, const std::string& bytes) {
  std::filesystem::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << bytes;
}

class OutputTest : public test_support::PluginHostTest {
 protected:
  OutputTest() : PluginHostTest(WithPluginResources()) {}

  void SetUp() override {
    PluginHostTest::SetUp();
    document_.emplace(host_.Documents());
    document_->Page(612, 792);
    folder_.emplace("kw-output", "temp");
    SetEnv("KW_PLATFORM_FAIL", std::nullopt);
  }

  void TearDown() override {
    PluginHostTest::TearDown();
    folder_.reset();
  }

  standin::DocumentBuilder& Document() { return *document_; }

  // The number, counted from the next call on, of the `occurrence`-th call to `function` that
  // `run` makes; `run` must make the same calls each time.
  template <typename Run>
  std::uint64_t CallNumber(const std::string& function, int occurrence, Run run) {
    host_.Gate().ClearLog();
    run();
    const std::vector<std::string>& log = host_.Gate().Log();
    for (std::size_t i = 0; i < log.size(); ++i) {
      if (log[i] == function && --occurrence == 0) return i + 1;
    }
    ADD_FAILURE() << "no such call: " << function;
    return 0;
  }

  // Sets (or, given nothing, removes) a variable for the rest of the test.
  void SetEnv(const std::string& name, const std::optional<std::string>& value) {
    folder_->Set(name, value);
  }
  // The test's folder: TMPDIR is its "temp", and the registry roots are inside.
  test_support::ScratchFolder& Folder() { return *folder_; }
  const std::filesystem::path& Scratch() const { return folder_->Path(); }

 private:
  std::optional<standin::DocumentBuilder> document_;
  std::optional<test_support::ScratchFolder> folder_;
};

}  // namespace output_test
