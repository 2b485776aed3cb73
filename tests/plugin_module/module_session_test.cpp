// The built module driven through its one export, as the drawing application drives it.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "standin/core/host.h"

namespace {

using standin::Host;

std::vector<std::string> AlertTexts(Host& host) {
  std::vector<std::string> texts;
  for (const auto& alert : host.App().alerts) texts.push_back(alert.text);
  return texts;
}

TEST(ModuleExports, OnlyPluginMain) {
  const std::string command = "nm -D --defined-only '" + std::string(KW_PLUGIN_MODULE_PATH) + "'";
  std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
  ASSERT_NE(pipe, nullptr);
  std::vector<std::string> exported;
  std::array<char, 512> line{};
  while (std::fgets(line.data(), line.size(), pipe.get()) != nullptr) {
    std::string text(line.data());
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
    const auto space = text.rfind(' ');
    exported.push_back(text.substr(space + 1));
  }
  EXPECT_EQ(exported, std::vector<std::string>{"PluginMain"});
}

TEST(ModuleSession, ShutdownBeforeStartupDoesNothing) {
  Host host;
  EXPECT_EQ(host.Shutdown(), kNoErr);
  EXPECT_EQ(host.Globals(), nullptr);
  EXPECT_TRUE(host.Suites().AcquisitionOrder().empty());
  // The only record is of the message itself, which the host would not send.
  EXPECT_EQ(host.Leftovers(), std::vector<std::string>{
                                  "misbehaviour: call #0 SP Interface/Shutdown (not loaded): the "
                                  "host would not send this message now"});
}

TEST(ModuleSession, StartupHoldsEverySuiteAndShutdownGivesEverythingBack) {
  Host host;
  ASSERT_EQ(host.Startup(), kNoErr);
  EXPECT_NE(host.Globals(), nullptr);
  EXPECT_EQ(host.Suites().Held().size(), 32u);
  EXPECT_EQ(host.App().pluginName, "ADMNonModalDialog");
  EXPECT_EQ(host.Shutdown(), kNoErr);
  EXPECT_EQ(host.Globals(), nullptr);
  EXPECT_EQ(host.Leftovers(), std::vector<std::string>{});
}

// Menu items stay with the host until it quits, so every session is a host of its own; the
// module's process-wide state must come back clean each time.
TEST(ModuleSession, HundredSessionsLeaveNothingBehind) {
  for (int i = 0; i < 100; ++i) {
    Host host;
    ASSERT_EQ(host.Startup(), kNoErr) << "session " << i;
    ASSERT_EQ(host.Send("SP Interface", "About"), kNoErr);
    ASSERT_EQ(host.Shutdown(), kNoErr);
    ASSERT_EQ(host.App().alerts.size(), 1u);
    ASSERT_EQ(host.Blocks().LiveCount(), 0u);
    ASSERT_EQ(host.Leftovers(), std::vector<std::string>{}) << "session " << i;
  }
}

TEST(ModuleSession, UnansweredMessagesYieldZeroAndNoAlert) {
  Host host;
  ASSERT_EQ(host.Startup(), kNoErr);
  EXPECT_EQ(host.Send("SP Nowhere", "Nothing"), kNoErr);
  EXPECT_EQ(host.Send("AI Tool", "AI Nothing"), kNoErr);
  EXPECT_EQ(host.Send("SP Cache", "Plug-in Purge"), kNoErr);
  EXPECT_TRUE(host.App().alerts.empty());
  host.Shutdown();
  EXPECT_EQ(host.Leftovers(), std::vector<std::string>{});
}

TEST(ModuleSession, UnloadedPluginAnswersZeroWithoutDispatchUntilReloaded) {
  Host host;
  ASSERT_EQ(host.Startup(), kNoErr);
  ASSERT_EQ(host.Unload(), kNoErr);
  EXPECT_TRUE(host.Suites().Held().empty());
  EXPECT_NE(host.Globals(), nullptr) << "the object survives an unload";
  EXPECT_EQ(host.Send("SP Interface", "About"), kNoErr);
  EXPECT_TRUE(host.App().alerts.empty()) << "nothing is dispatched while unloaded";

  ASSERT_EQ(host.Reload(), kNoErr);
  EXPECT_EQ(host.Suites().Held().size(), 32u);
  EXPECT_EQ(host.Send("SP Interface", "About"), kNoErr);
  EXPECT_EQ(host.App().alerts.size(), 1u);
  EXPECT_EQ(host.Shutdown(), kNoErr);
  EXPECT_EQ(host.Leftovers(), std::vector<std::string>{
                                  "misbehaviour: call #75 SP Interface/About (unloaded): the host "
                                  "would not send this message now"});
}

TEST(ModuleSession, ShutdownWhileUnloadedDeletesTheObject) {
  Host host;
  ASSERT_EQ(host.Startup(), kNoErr);
  ASSERT_EQ(host.Unload(), kNoErr);
  EXPECT_EQ(host.Shutdown(), kNoErr);
  EXPECT_EQ(host.Globals(), nullptr);
  // The out-of-turn message is recorded, then the suites acquired again to give everything back.
  const std::vector<std::string> left = host.Leftovers();
  ASSERT_FALSE(left.empty());
  EXPECT_EQ(left.front(),
            "misbehaviour: call #75 SP Interface/Shutdown (unloaded): the host would not send "
            "this message now");
  for (const std::string& line : left) EXPECT_TRUE(line.starts_with("misbehaviour: ")) << line;
}

TEST(ModuleSession, FailedReloadKeepsTheObjectAndReportsTheCode) {
  Host host;
  ASSERT_EQ(host.Startup(), kNoErr);
  ASSERT_EQ(host.Unload(), kNoErr);
  host.Suites().Refuse("AI Art Suite", kSegmentErr);
  EXPECT_EQ(host.Reload(), kSegmentErr);
  EXPECT_NE(host.Globals(), nullptr);
  EXPECT_TRUE(host.Suites().Held().empty());
  EXPECT_EQ(AlertTexts(host),
            std::vector<std::string>{
                "The filter cannot complete because a layer is locked or invisible."});
  host.Suites().ClearRefusals();
  ASSERT_EQ(host.Reload(), kNoErr);
  EXPECT_EQ(host.Shutdown(), kNoErr);
  EXPECT_EQ(host.Leftovers(), std::vector<std::string>{});
}

TEST(ModuleSession, FailedStartupShowsTheCodeWithoutAnObject) {
  Host host;
  host.Suites().Refuse("ADM Dialog Suite", kOutOfMemoryErr);
  EXPECT_EQ(host.Startup(), kOutOfMemoryErr);
  EXPECT_EQ(host.Globals(), nullptr);
  EXPECT_EQ(AlertTexts(host),
            std::vector<std::string>{"The filter cannot complete because of an unknown error."});
  EXPECT_EQ(host.Leftovers(), std::vector<std::string>{});
}

TEST(ModuleSession, ObjectThatCannotBeAllocatedFailsStartupWithOutOfMemory) {
  Host host;
  host.Blocks().RefuseAllocations(true);
  EXPECT_EQ(host.Startup(), kOutOfMemoryErr);
  host.Blocks().RefuseAllocations(false);
  EXPECT_EQ(host.Globals(), nullptr);
  EXPECT_EQ(AlertTexts(host),
            std::vector<std::string>{"The filter cannot complete because of an unknown error."});
  EXPECT_EQ(host.Leftovers(), std::vector<std::string>{});
}

}  // namespace
