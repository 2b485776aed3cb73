#include <cstring>

#include "plugin/suite_set.h"
#include "plugin/suite_tables.h"
#include "plugin_fixture.h"
#include "support/param_names.h"

namespace kwtest {
namespace {

TEST_F(PluginFixture, GetNameCutsAndAlwaysTerminates) {
  char small[5] = {'x', 'x', 'x', 'x', 'x'};
  EXPECT_EQ(plugin_->GetName(small, sizeof small), 17);
  EXPECT_STREQ(small, "ADMN");
  char large[64];
  EXPECT_EQ(plugin_->GetName(large, sizeof large), 17);
  EXPECT_STREQ(large, "ADMNonModalDialog");
}

TEST_F(PluginFixture, StartupToldTheHostItsNameAndRegisteredTheStartedNotifier) {
  EXPECT_EQ(host_.Host().App().pluginName, "ADMNonModalDialog");
  const auto notifier = host_.Host().App().FindNotifier("AI Application Started Notifier");
  ASSERT_TRUE(notifier.has_value());
  EXPECT_EQ(host_.Host().App().notifiers.Find(*notifier)->name,
            "ADMNonModalDialog App Started Notifier");
}

TEST_F(PluginFixture, AccessHoldsNestAndNeverGoBelowZero) {
  auto& calls = host_.Host().Gate();
  host_.Host().AsHostCall([&] {
    plugin_->HoldAccess(true);
    plugin_->HoldAccess(true);
    EXPECT_EQ(calls.Calls("SP Access Suite", "AcquirePluginAccess"), 1);
    plugin_->HoldAccess(false);
    EXPECT_EQ(calls.Calls("SP Access Suite", "ReleasePluginAccess"), 0);
    plugin_->HoldAccess(false);
    EXPECT_EQ(calls.Calls("SP Access Suite", "ReleasePluginAccess"), 1);
    plugin_->HoldAccess(false);
    EXPECT_EQ(plugin_->AccessHolds(), 0);
    plugin_->HoldAccess(true);
    EXPECT_EQ(calls.Calls("SP Access Suite", "AcquirePluginAccess"), 2);
    plugin_->HoldAccess(false);
  });
}

TEST(SuiteSet, AcquiresEverySuiteOnceInTableOrderAndReleasesThemAll) {
  DirectHost host;
  host.Host().AsHostCall([&] {
    auto* first = new SuiteSet();
    ASSERT_EQ(first->Error(), kNoErr);
    SuiteSet::SetUseCount(1);
    auto* second = new SuiteSet();  // a second set only counts
    EXPECT_EQ(SuiteSet::UseCount(), 2);
    delete second;
    EXPECT_NE(sAIArt, nullptr) << "still held by the first set";
    delete first;
  });
  std::vector<std::pair<std::string, int32_t>> expected;
  for (const SuiteEntry& entry : CoreSuiteTable()) expected.emplace_back(entry.name, entry.version);
  for (const SuiteEntry& entry : MainSuiteTable()) {
    if (entry.name != nullptr) expected.emplace_back(entry.name, entry.version);
  }
  EXPECT_EQ(expected.size(), 32u);
  EXPECT_EQ(host.Host().Suites().AcquisitionOrder(), expected);
  EXPECT_EQ(sAIArt, nullptr);
  EXPECT_EQ(sSPAccess, nullptr);
  EXPECT_TRUE(host.Host().Leftovers().empty());
}

// The names of the plug-in's suites, in table order.
std::vector<std::string> SuiteNames() {
  std::vector<std::string> names;
  for (const SuiteEntry& entry : CoreSuiteTable()) names.push_back(entry.name);
  for (const SuiteEntry& entry : MainSuiteTable()) {
    if (entry.name != nullptr) names.push_back(entry.name);
  }
  return names;
}

// Each suite refused in turn: start-up fails with the host's code and nothing stays held.
class RefusedSuite : public ::testing::TestWithParam<int> {};

TEST_P(RefusedSuite, FailsStartupWithTheHostsCodeAndReleasesWhatItHad) {
  DirectHost host;
  const std::string refused = SuiteNames().at(static_cast<std::size_t>(GetParam()));
  const ASErr refusal = KW_FOUR_CHAR('N', 'O', 'P', 'E');
  host.Host().Suites().Refuse(refused, refusal);
  SPMessageData message = host.Message();
  ASErr code = kNoErr;
  host.Host().AsHostCall([&] {
    auto* plugin = new RecordingPlugin(message.pluginRef);
    code = plugin->OnStartup(&message);
    EXPECT_FALSE(plugin->HoldsSuites());
    delete plugin;
  });
  EXPECT_EQ(code, refusal) << refused;
  EXPECT_EQ(SuiteSet::UseCount(), 0);
  EXPECT_TRUE(host.Host().Suites().Held().empty()) << refused;
  EXPECT_TRUE(host.Host().App().pluginName.empty()) << "nothing registered after a failure";
}

INSTANTIATE_TEST_SUITE_P(EverySuite, RefusedSuite, ::testing::Range(0, 32),
                         test_support::NameBy([](int index) {
                           return SuiteNames().at(static_cast<std::size_t>(index));
                         }));

}  // namespace
}  // namespace kwtest
