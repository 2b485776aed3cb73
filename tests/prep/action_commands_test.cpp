// The commands that only replay host actions: what reaches the action manager, and that every
// parameter block is given back.
#include <gtest/gtest.h>

#include <bit>
#include <cstdint>

#include "commands/commands.h"
#include "standin/model/actions.h"
#include "support/param_names.h"
#include "support/plugin_host.h"

namespace {

using standin::ActionParam;
using standin::ActionPlay;
using standin::FourCharCode;

class ActionCommandsTest : public test_support::PluginHostTest {
 protected:
  const std::vector<ActionPlay>& Plays() { return host_.App().actions.plays; }
};

TEST_F(ActionCommandsTest, OutlineTextPlaysWithoutDialogOrParameters) {
  Run(OutlineTextCommand);
  ASSERT_EQ(Plays().size(), 1u);
  EXPECT_EQ(Plays()[0].eventName, "adobe_createOutline");
  EXPECT_EQ(Plays()[0].dialogStatus, 0);
  EXPECT_FALSE(Plays()[0].parameters.has_value());
}

struct MergeCase {
  std::int32_t majorVersion;
  bool playsTwice;
};

class MergeTest : public ActionCommandsTest, public ::testing::WithParamInterface<MergeCase> {};

TEST_P(MergeTest, PlaysThePathfinderOnceOnVersions8And9AndTwiceOtherwise) {
  host_.App().appMajorVersion = GetParam().majorVersion;
  Run(MergePathsCommand);
  ASSERT_EQ(Plays().size(), GetParam().playsTwice ? 2u : 1u);
  for (const ActionPlay& play : Plays()) {
    EXPECT_EQ(play.eventName, "ai_plugin_pathfinder");
    EXPECT_EQ(play.dialogStatus, 0);
  }
  EXPECT_FALSE(Plays()[0].parameters.has_value());
  if (!GetParam().playsTwice) return;
  ASSERT_TRUE(Plays()[1].parameters.has_value());
  ASSERT_EQ(Plays()[1].parameters->params.size(), 1u);
  const ActionParam* expand = Plays()[1].Find(FourCharCode("xpnd"));
  ASSERT_NE(expand, nullptr);
  EXPECT_EQ(expand->kind, ActionParam::Kind::kReal);
  EXPECT_EQ(expand->real, 0.0f);
}

INSTANTIATE_TEST_SUITE_P(Versions, MergeTest,
                         ::testing::Values(MergeCase{7, true}, MergeCase{8, false},
                                           MergeCase{9, false}, MergeCase{10, true},
                                           MergeCase{16, true}),
                         test_support::NameBy([](const MergeCase& c) {
                           return "version " + std::to_string(c.majorVersion);
                         }));

TEST_F(ActionCommandsTest, OffsetOpensTheDialogPresetToFiveMillimetresMitred) {
  Run(OffsetPathCommand);
  ASSERT_EQ(Plays().size(), 1u);
  const ActionPlay& play = Plays()[0];
  EXPECT_EQ(play.eventName, "ai_plugin_offset");
  EXPECT_EQ(play.dialogStatus, 1);
  ASSERT_TRUE(play.parameters.has_value());
  EXPECT_EQ(play.parameters->params.size(), 3u);
  for (const char* key : {"ofst", "mitr"}) {
    const ActionParam* value = play.Find(FourCharCode(key));
    ASSERT_NE(value, nullptr) << key;
    EXPECT_EQ(value->kind, ActionParam::Kind::kUnitReal) << key;
    EXPECT_EQ(value->unit, FourCharCode("#Pxl")) << key;
    EXPECT_EQ(std::bit_cast<std::uint32_t>(value->real), 0x4162C56Du) << key;
  }
  const ActionParam* join = play.Find(FourCharCode("jntp"));
  ASSERT_NE(join, nullptr);
  EXPECT_EQ(join->kind, ActionParam::Kind::kEnumerated);
  EXPECT_EQ(join->name, "Miter");
  EXPECT_EQ(join->number, 2);
}

// Without a parameter block the action would run with other values than the command's.
TEST_F(ActionCommandsTest, NoParameterBlockLeavesTheParameterisedPlayOut) {
  host_.Gate().FailCall(1);  // AINewActionParamValue
  Run(OffsetPathCommand);
  EXPECT_TRUE(Plays().empty());

  host_.App().appMajorVersion = 12;
  host_.Gate().FailCall(3);  // play, runtime version, then AINewActionParamValue
  Run(MergePathsCommand);
  ASSERT_EQ(Plays().size(), 1u);
  EXPECT_FALSE(Plays()[0].parameters.has_value());
}

TEST_F(ActionCommandsTest, AFailingPlayStillDeletesItsBlock) {
  host_.App().actions.playResult = KW_FOUR_CHAR('s', 't', 'o', 'p');
  Run(OffsetPathCommand);
  Run(MergePathsCommand);
  EXPECT_EQ(Plays().size(), 3u);
  EXPECT_EQ(host_.App().actions.blocks.LiveCount(), 0u);
}

}  // namespace
