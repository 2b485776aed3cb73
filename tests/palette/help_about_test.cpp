// Help opens the help file beside the plug-in file through the shell; About runs its dialog.
#include "palette/help_about.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "fake_host.h"
#include "platform/platform.h"

namespace {

class HelpTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fake::Install();
    log_ = std::string(KW_BINARY_DIR) + "/palette_help_shell.log";
    std::remove(log_.c_str());
    setenv("KW_SHELL_LOG", log_.c_str(), 1);
  }
  void TearDown() override {
    unsetenv("KW_SHELL_LOG");
    unsetenv("KW_PLATFORM_FAIL");
    std::remove(log_.c_str());
  }
  std::string Logged() const {
    std::ifstream in(log_);
    std::string line;
    std::getline(in, line);
    return line;
  }
  std::string log_;
};

TEST_F(HelpTest, OpensTheHelpFileBesideThePluginFile) {
  char module[520];
  ASSERT_GT(platform::GetModulePath(nullptr, module, sizeof module), 0u);
  std::string expected(module);
  expected = expected.substr(0, expected.find_last_of('/') + 1) + "KWAIPin_e.chm";
  EXPECT_EQ(OpenHelp(fake::PluginRef()), kNoErr);
  EXPECT_EQ(Logged(), expected);
}

TEST_F(HelpTest, JapaneseNameComesFromTheStringResource) {
  fake::The().strings[{16232, 0}] = "KWAIPin_j.chm";
  OpenHelp(fake::PluginRef());
  const std::string logged = Logged();
  EXPECT_EQ(logged.substr(logged.size() - 13), "KWAIPin_j.chm");
}

TEST_F(HelpTest, NoPluginPathOpensNothing) {
  setenv("KW_PLATFORM_FAIL", "module", 1);
  EXPECT_EQ(OpenHelp(fake::PluginRef()), kNoErr);
  EXPECT_EQ(Logged(), "");
}

TEST(AboutTest, RunsDialog16080Modally) {
  fake::Install();
  ShowAbout(fake::PluginRef());
  EXPECT_EQ(fake::The().modalRuns, std::vector<std::string>{"kerfworks-About"});
  EXPECT_EQ(fake::The().dialogs.back()->resourceId, 16080);
  EXPECT_TRUE(fake::The().dialogs.back()->destroyed);
}

}  // namespace
