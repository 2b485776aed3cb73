#include <stdexcept>
#include <string>
#include <vector>

#include "plugin/error_alert.h"
#include "plugin_fixture.h"
#include "support/param_names.h"
#include "wrappers/ai_error.h"

namespace kwtest {
namespace {

constexpr char kMemory[] =
    "The filter cannot complete because there isn't enough memory (RAM) available.";
constexpr char kLocked[] = "The filter cannot complete because a layer is locked or invisible.";
constexpr char kAnchors[] = "The filter cannot complete because a path has too many anchor points.";
constexpr char kSelection[] = "The selection is not valid for this filter.";
constexpr char kUnknown[] = "The filter cannot complete because of an unknown error.";

struct ShownCase {
  ASErr code;
  const char* shown;  // null: silent
};

const ShownCase kShownCases[] = {
    {-108, kMemory},
    {271, kMemory},
    {kSegmentErr, kLocked},
    {KW_FOUR_CHAR('N', 'E', 'S', 'S'), kAnchors},
    {KW_FOUR_CHAR('!', 's', 'e', 'l'), kSelection},
    {KW_FOUR_CHAR('<', 'O', 't', 'h'), kUnknown},  // the fallback's code text is not a code
    {kOutOfMemoryErr, kUnknown},
    {kCantHappenErr, kUnknown},
    {-1, kUnknown},
    {1, kUnknown},
    {KW_FOUR_CHAR('F', 'M', 'T', '?'), nullptr},
    {KW_FOUR_CHAR('R', 'F', 'S', 'E'), nullptr},
    {KW_FOUR_CHAR('A', 'F', 'T', 'R'), nullptr},
    {KW_FOUR_CHAR('V', 'A', 'L', 'D'), nullptr},
    {KW_FOUR_CHAR('M', 'O', 'O', 'T'), nullptr},
    {KW_FOUR_CHAR('T', 'R', 'S', 'H'), nullptr},
    {KW_FOUR_CHAR('C', 'H', 'E', 'K'), nullptr},
    {KW_FOUR_CHAR('C', 'H', 'I', 'T'), nullptr},
    {KW_FOUR_CHAR('T', 'L', 'T', 'K'), nullptr},
    {kPluginFreedMemory, nullptr},
    {kSuiteNotFoundErr, nullptr},
    {KW_FOUR_CHAR('!', 'A', 'c', 'q'), nullptr},
    {KW_FOUR_CHAR('d', 's', 'R', 'P'), nullptr},
    {KW_FOUR_CHAR('s', 'k', 'p', 'E'), nullptr},
    {KW_FOUR_CHAR('D', 'O', 'N', 'E'), nullptr},
    {KW_FOUR_CHAR('S', 'T', 'O', 'P'), nullptr},
    {361, nullptr},
};

class Shown : public PluginFixture, public ::testing::WithParamInterface<ShownCase> {};

TEST_P(Shown, HandlerCodeReachesTheHostAndShowsItsMessageOnce) {
  const ShownCase& c = GetParam();
  const ASErr code = c.code;
  plugin_->answer = [code] { return code; };
  EXPECT_EQ(Dispatch("Action Manager", "Do Action"), c.code);
  // The dispatcher reports the code a second time; the repeat window absorbs it.
  host_.Host().AsHostCall([&] { plugin_->ReportError(code, nullptr, nullptr, nullptr); });
  if (c.shown == nullptr) {
    EXPECT_TRUE(AlertTexts().empty());
  } else {
    EXPECT_EQ(AlertTexts(), std::vector<std::string>{c.shown});
    EXPECT_EQ(host_.Host().App().alerts[0].kind, standin::Alert::Kind::kError);
  }
}

INSTANTIATE_TEST_SUITE_P(Codes, Shown, ::testing::ValuesIn(kShownCases),
                         test_support::NameBy([](const ShownCase& c) {
                           return test_support::CodeName(c.code);
                         }));

TEST_F(PluginFixture, SilentListHasSeventeenCodesEndedByZero) {
  int n = 0;
  while (SilentErrorCodes[n] != 0) ++n;
  EXPECT_EQ(n, 17);
}

struct RepeatCase {
  std::vector<std::pair<int64_t, ASErr>> reports;  // (clock, code)
  int shown;
};

class Repeats : public PluginFixture, public ::testing::WithParamInterface<RepeatCase> {};

TEST_P(Repeats, SameCodeWithinFiveSecondsOfItsShowingIsNotShownAgain) {
  for (const auto& [clock, code] : GetParam().reports) {
    host_.Host().SetClock(clock);
    const ASErr answer = code;
    plugin_->answer = [answer] { return answer; };
    Dispatch("Action Manager", "Do Action");
  }
  EXPECT_EQ(static_cast<int>(AlertTexts().size()), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Windows, Repeats,
    ::testing::Values(RepeatCase{{{1000, kSegmentErr}, {1003, kSegmentErr}}, 1},
                      RepeatCase{{{1000, kSegmentErr}, {1004, kSegmentErr}}, 1},
                      RepeatCase{{{1000, kSegmentErr}, {1005, kSegmentErr}}, 2},
                      // The window counts from the last showing, not the last report.
                      RepeatCase{{{1000, kSegmentErr}, {1004, kSegmentErr}, {1006, kSegmentErr}},
                                 2},
                      RepeatCase{{{1000, kSegmentErr}, {1001, -108}, {1002, kSegmentErr}}, 3},
                      // A clock that went back is within the window.
                      RepeatCase{{{1000, kSegmentErr}, {900, kSegmentErr}}, 1}),
    test_support::NameBy([](const RepeatCase& c) {
      std::string clocks = "at";
      for (const auto& report : c.reports) clocks += " " + std::to_string(report.first);
      return clocks;
    }));

struct ThrowCase {
  const char* what;
  std::function<ASErr()> thrower;
  ASErr code;
  const char* shown;
};

class Throws : public PluginFixture, public ::testing::WithParamInterface<ThrowCase> {};

TEST_P(Throws, NoExceptionLeavesTheGuard) {
  plugin_->answer = GetParam().thrower;
  ASErr result = kNoErr;
  EXPECT_NO_THROW(result = Dispatch("AI Tool", "AI Mouse Down"));
  EXPECT_EQ(result, GetParam().code);
  EXPECT_EQ(AlertTexts(), std::vector<std::string>{GetParam().shown});
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, Throws,
    ::testing::Values(
        ThrowCase{"host error", []() -> ASErr { throw ai::Error(kSegmentErr); }, kSegmentErr,
                  kLocked},
        ThrowCase{"standard exception", []() -> ASErr { throw std::runtime_error("boom"); },
                  kCantHappenErr, kUnknown},
        ThrowCase{"anything else", []() -> ASErr { throw 42; }, kCantHappenErr, kUnknown}),
    test_support::NameBy(&ThrowCase::what));

TEST_F(PluginFixture, MessagesAreTheSameInJapanese) {
  host_.Host().SetJapanese(true);
  plugin_->answer = [] { return kSegmentErr; };
  Dispatch("Action Manager", "Do Action");
  EXPECT_EQ(AlertTexts(), std::vector<std::string>{kLocked});
}

TEST(ShowErrorAlert, AcquiresTheOldBasicSuiteWhenNoneIsHeldAndGivesItBack) {
  DirectHost host;
  host.Host().AsHostCall([&] { ShowErrorAlert(host.Host().PluginRef(), kSegmentErr); });
  ASSERT_EQ(host.Host().App().alerts.size(), 1u);
  EXPECT_EQ(host.Host().App().alerts[0].text, kLocked);
  EXPECT_EQ(host.Host().Suites().HoldCount("ADM Basic Suite", 2), 0);
  EXPECT_EQ(sADMBasic, nullptr);
  EXPECT_EQ(host.Host().Suites().AcquisitionOrder().at(0),
            (std::pair<std::string, int32_t>{"ADM Basic Suite", 2}));
  EXPECT_TRUE(host.Host().Leftovers().empty());
}

TEST(ShowErrorAlert, ShowsNothingWithoutTheBasicSuite) {
  DirectHost host;
  host.Host().Suites().Refuse("ADM Basic Suite", KW_FOUR_CHAR('N', 'O', 'P', 'E'));
  host.Host().AsHostCall([&] { ShowErrorAlert(host.Host().PluginRef(), kSegmentErr); });
  EXPECT_TRUE(host.Host().App().alerts.empty());
  EXPECT_EQ(sADMBasic, nullptr);
  sSPBasic = nullptr;
  host.Host().AsHostCall([&] { ShowErrorAlert(host.Host().PluginRef(), kSegmentErr); });
  EXPECT_TRUE(host.Host().App().alerts.empty());
}

struct FormatCase {
  const char* message;
  ASErr code;
  const char* shown;
};

class Formats : public ::testing::TestWithParam<FormatCase> {};

TEST_P(Formats, PutTheCodeInWithoutTreatingTheMessageAsAFormat) {
  char out[32];
  FormatErrorMessage(GetParam().message, GetParam().code, out, sizeof out);
  EXPECT_STREQ(out, GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Messages, Formats,
    ::testing::Values(FormatCase{"plain", kSegmentErr, "plain"},
                      FormatCase{"code %s.", kOutOfMemoryErr, "code !MEM."},
                      FormatCase{"%s", -108, "-108"}, FormatCase{"%s", 0x4000, "16384"},
                      FormatCase{"%s", 0x41424344, "ABCD"},
                      FormatCase{"%d %n %x %s %s 100%%", kSegmentErr, "%d %n %x SEGM %s 100%"},
                      FormatCase{"trailing %", 1, "trailing %"},
                      FormatCase{"a very long message that will not fit %s", 1,
                                 "a very long message that will n"}),
    test_support::NameBy(&FormatCase::shown));

TEST_F(PluginFixture, FindErrorMessageCutsToTheCallersBuffer) {
  char buffer[12];
  char* found = nullptr;
  host_.Host().AsHostCall(
      [&] { found = FindErrorMessage(message_.pluginRef, kSegmentErr, buffer, sizeof buffer); });
  ASSERT_EQ(found, buffer);
  EXPECT_STREQ(buffer, "The filter ");
}

}  // namespace
}  // namespace kwtest
