#include <string>
#include <vector>

#include "plugin_fixture.h"
#include "support/param_names.h"

namespace kwtest {
namespace {

struct RouteCase {
  const char* caller;
  const char* selector;
  const char* operation;  // null: nothing reached
};

const RouteCase kRouteCases[] = {
    {"SP Access", "Unload", "OnUnload"},
    {"SP Interface", "About", "OnAbout"},
    {"SP Interface", "Startup", nullptr},
    {"SP Cache", "Plug-in Purge", "OnPurge"},
    {"SP Properties", "Acquire", "OnPropertyAcquire"},
    {"SP Properties", "Release", "OnPropertyRelease"},
    {"Action Manager", "Do Action", "OnDoAction"},
    {"AI Menu", "AI Go", "OnMenuGo"},
    {"AI Menu", "AI Update", "OnMenuUpdate"},
    {"AI Filter", "AI Get Parameters", "OnFilterGetParameters"},
    {"AI Filter", "AI Go", "OnFilterGo"},
    {"AI Plugin Group", "AI Notify Edits", "OnPluginGroupNotifyEdits"},
    {"AI Plugin Group", "AI Update", "OnPluginGroupUpdate"},
    {"AI File Format", "AI Get Parameters", "OnFileFormatGetParameters"},
    {"AI File Format", "AI Go", "OnFileFormatGo"},
    {"AI File Format", "AI Check", "OnFileFormatCheck"},
    {"AI File Format", "AI Update AI140", "OnFileFormatUpdate"},
    {"AI File Format", "Do Action", "OnFileFormatDoAction"},
    {"AI Tool", "AI Edit Options", "OnToolEditOptions"},
    {"AI Tool", "AI Track Cursor", "OnToolTrackCursor"},
    {"AI Tool", "AI Mouse Down", "OnToolMouseDown"},
    {"AI Tool", "AI Mouse Drag", "OnToolMouseDrag"},
    {"AI Tool", "AI Mouse Up", "OnToolMouseUp"},
    {"AI Tool", "AI Select", "OnToolSelect"},
    {"AI Tool", "AI Deselect", "OnToolDeselect"},
    {"AI Tool", "AI Reselect", "OnToolReselect"},
    {"AI Tool", "AI Decrease Diameter", "OnToolDecreaseDiameter"},
    {"AI Tool", "AI Increase Diameter", "OnToolIncreaseDiameter"},
    {"AI Live Effect", "AI Live Effect Edit Parameters", "OnLiveEffectEditParameters"},
    {"AI Live Effect", "AI Live Effect Go Live", "OnLiveEffectGoLive"},
    {"AI Live Effect", "AI Live Effect Interpolate Parameters", "OnLiveEffectInterpolate"},
    {"AI Live Effect", "AI Live Effect Input Type", "OnLiveEffectInputType"},
    {"AI Live Effect", "AI Live Effect Scale Parameters", "OnLiveEffectScaleParameters"},
    {"AI Live Effect", "AI Live Effect Convert Color Space", "OnLiveEffectConvertColorSpace"},
    {"AI Live Effect", "AI Live Effect Adjust Colors", "OnLiveEffectAdjustColors"},
    {"AI Live Effect", "AI Live Effect Handle Merge", "OnLiveEffectHandleMerge"},
    {"AI Timer", "AI Go", "OnTimer"},
    {"AI Clipboard", "AI Go", "OnClipboardGo"},
    {"AI Clipboard", "AI Can Copy", "OnClipboardCanCopy"},
    {"AI Clipboard", "AI Clone", "OnClipboardClone"},
    {"AI Clipboard", "AI Dispose", "OnClipboardDispose"},
    {"Workspace Manager", "Write Woskspace", "OnWorkspaceWrite"},
    {"Workspace Manager", "Restore Woskspace", "OnWorkspaceRestore"},
    {"Workspace Manager", "Default Woskspace", "OnWorkspaceDefault"},
    // Nothing matches: no row for the caller, or none for the selector, or a near miss.
    {"SP Nowhere", "AI Go", nullptr},
    {"AI Tool", "AI Go", nullptr},
    {"AI Menu", "ai go", nullptr},
    {"AI Men", "AI Go", nullptr},
    {"Workspace Manager", "Write Workspace", nullptr},
};

class Routing : public PluginFixture, public ::testing::WithParamInterface<RouteCase> {};

TEST_P(Routing, ReachesExactlyTheOperationOfItsRow) {
  const RouteCase& route = GetParam();
  const ASErr result = Dispatch(route.caller, route.selector);
  EXPECT_EQ(result, kNoErr);
  if (route.operation == nullptr) {
    EXPECT_TRUE(plugin_->reached.empty());
  } else {
    EXPECT_EQ(plugin_->reached, std::vector<std::string>{route.operation});
  }
  EXPECT_TRUE(AlertTexts().empty());
}

INSTANTIATE_TEST_SUITE_P(EveryRow, Routing, ::testing::ValuesIn(kRouteCases),
                         test_support::NameBy([](const RouteCase& c) {
                           return std::string(c.caller) + " " + c.selector;
                         }));

TEST_F(PluginFixture, UnhandledAnswerBecomesZeroAndIsNotShown) {
  plugin_->answer = [] { return kUnhandledMsgErr; };
  EXPECT_EQ(Dispatch("AI Timer", "AI Go"), kNoErr);
  EXPECT_TRUE(AlertTexts().empty());
}

TEST_F(PluginFixture, PurgeAnswersFreedWhenSomethingWasFreed) {
  plugin_->answer = [] { return 1; };
  EXPECT_EQ(Dispatch("SP Cache", "Plug-in Purge"), kPluginFreedMemory);
  EXPECT_TRUE(AlertTexts().empty()) << "'pFls' is a silent code";
}

struct NotifierCase {
  const char* type;
  const char* selector;
  ASErr startedAnswer;
  std::vector<std::string> reached;
};

class Notifiers : public PluginFixture, public ::testing::WithParamInterface<NotifierCase> {};

TEST_P(Notifiers, ApplicationStartedRunsBeforeNotifyOnlyWhenItSucceeds) {
  const NotifierCase& c = GetParam();
  const ASErr startedAnswer = c.startedAnswer;
  plugin_->answer = [this, startedAnswer] {
    return plugin_->reached.back() == "OnApplicationStarted" ? startedAnswer : kNoErr;
  };
  AINotifierMessage message{};
  message.d = message_;
  message.notifierType = c.type;
  Dispatch("AI Notifier", c.selector, &message);
  EXPECT_EQ(plugin_->reached, c.reached);
  EXPECT_EQ(host_.Host().App().openContexts, 0) << "the context is closed on every way out";
  EXPECT_EQ(host_.Host().Gate().Calls("AI Context Suite", "PushAppContext"), 1);
}

TEST_F(PluginFixture, ANotifierWhoseContextIsRefusedStillRunsAndPopsNothing) {
  AINotifierMessage message{};
  message.d = message_;
  message.notifierType = "AI Art Selection Changed Notifier";
  standin::CallGate& gate = host_.Host().Gate();
  gate.ClearLog();
  Dispatch("AI Notifier", "AI Notify", &message);
  const auto& log = gate.Log();
  const auto push = std::find(log.begin(), log.end(), "AI Context Suite::PushAppContext");
  ASSERT_NE(push, log.end());
  const auto pushAt = static_cast<std::uint64_t>(push - log.begin()) + 1;

  plugin_->reached.clear();
  gate.ClearLog();
  gate.FailCall(pushAt);
  Dispatch("AI Notifier", "AI Notify", &message);
  EXPECT_EQ(plugin_->reached, std::vector<std::string>{"OnNotify"});
  EXPECT_EQ(gate.Calls("AI Context Suite", "PushAppContext"), 1);
  EXPECT_EQ(gate.Calls("AI Context Suite", "PopAppContext"), 0) << "a context never pushed";
  EXPECT_EQ(host_.Host().App().openContexts, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Types, Notifiers,
    ::testing::Values(
        NotifierCase{"AI Application Started Notifier",
                     "AI Notify",
                     kNoErr,
                     {"OnApplicationStarted", "OnNotify"}},
        NotifierCase{"AI Application Started Notifier",
                     "AI Notify",
                     kUnhandledMsgErr,
                     {"OnApplicationStarted", "OnNotify"}},
        NotifierCase{
            "AI Application Started Notifier", "AI Notify", kSegmentErr, {"OnApplicationStarted"}},
        NotifierCase{
            "AI Application Started Notifier", "AI Other", kNoErr, {"OnApplicationStarted"}},
        NotifierCase{"AI Art Selection Changed Notifier", "AI Notify", kNoErr, {"OnNotify"}},
        NotifierCase{"AI Art Selection Changed Notifier", "AI Other", kNoErr, {}}),
    test_support::NameBy([](const NotifierCase& c) {
      return std::string(c.type) + " " + c.selector + " " + test_support::CodeName(c.startedAnswer);
    }));

}  // namespace
}  // namespace kwtest
