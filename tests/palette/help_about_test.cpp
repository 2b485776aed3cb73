// Help opens the help file beside the plug-in file through the shell; About runs its dialog.
#include "palette/help_about.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "palette_fixture.h"
#include "platform/platform.h"

namespace palette_test {
namespace {

class HelpTest : public PaletteHostTest {
 protected:
  HelpTest() { std::remove(log_.c_str()); }
  void TearDown() override {
    PaletteHostTest::TearDown();
    std::remove(log_.c_str());
  }
  std::string Logged() const {
    std::ifstream in(log_);
    std::string line;
    std::getline(in, line);
    return line;
  }
  ASErr Open() {
    ASErr result = -1;
    Run([&] { result = OpenHelp(host_.PluginRef()); });
    return result;
  }

  const std::string log_ = std::string(KW_BINARY_DIR) + "/palette_help_shell.log";
  standin::ScopedEnvironment shellLog_{"KW_SHELL_LOG", log_};
};

TEST_F(HelpTest, OpensTheHelpFileBesideThePluginFile) {
  char module[520];
  ASSERT_GT(platform::GetModulePath(nullptr, module, sizeof module), 0u);
  std::string expected(module);
  expected = expected.substr(0, expected.find_last_of('/') + 1) + "KWAIPin_e.chm";
  EXPECT_EQ(Open(), kNoErr);
  EXPECT_EQ(Logged(), expected);
}

TEST_F(HelpTest, JapaneseNameComesFromTheStringResource) {
  host_.SetJapanese(true);
  Open();
  const std::string logged = Logged();
  ASSERT_GE(logged.size(), 13u);
  EXPECT_EQ(logged.substr(logged.size() - 13), "KWAIPin_j.chm");
}

TEST_F(HelpTest, NoPluginPathOpensNothing) {
  const standin::ScopedEnvironment fail("KW_PLATFORM_FAIL", "module");
  EXPECT_EQ(Open(), kNoErr);
  EXPECT_EQ(Logged(), "");
}

using AboutTest = PaletteHostTest;

TEST_F(AboutTest, RunsDialog16080Modally) {
  host_.Dialogs().QueueModalScript(standin::ModalScript().Press(1));
  Run([&] { ShowAbout(host_.PluginRef()); });
  const auto& runs = host_.Dialogs().ModalRuns();
  ASSERT_EQ(runs.size(), 1u);
  EXPECT_EQ(runs[0].name, "kerfworks-About");
  EXPECT_EQ(runs[0].resourceId, 16080);
  EXPECT_EQ(runs[0].result, 1);
  EXPECT_TRUE(host_.Dialogs().LiveDialogs().empty());
}

}  // namespace
}  // namespace palette_test
