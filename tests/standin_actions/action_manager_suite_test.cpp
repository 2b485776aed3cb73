// The stand-in's action manager, driven through its table the way a plug-in would.
#include <gtest/gtest.h>

#include "hostapi/suites.h"
#include "standin/core/host.h"
#include "standin/model/actions.h"
#include "standin_actions/action_suite_fixture.h"

namespace {

using standin::ActionParam;
using standin::FourCharCode;

using ActionManagerSuiteTest = kwtest::ActionSuiteTest;

TEST_F(ActionManagerSuiteTest, APlayKeepsTheBlockAsItStoodThen) {
  host_.AsHostCall([&] {
    AIActionParamValueRef block = nullptr;
    ASSERT_EQ(suite_->AINewActionParamValue(&block), kNoErr);
    const auto key = FourCharCode("ofst");
    EXPECT_EQ(suite_->AIActionSetReal(block, key, 1.0f), kNoErr);
    // Setting a key again replaces it, kind included.
    EXPECT_EQ(suite_->AIActionSetUnitReal(block, key, FourCharCode("#Pxl"), 2.5f), kNoErr);
    EXPECT_EQ(suite_->AIActionSetEnumerated(block, FourCharCode("jntp"), "Round", 1), kNoErr);
    EXPECT_EQ(suite_->PlayActionEvent("first", 1, block), kNoErr);
    EXPECT_EQ(suite_->AIActionSetReal(block, key, 9.0f), kNoErr);
    EXPECT_EQ(suite_->PlayActionEvent("second", 0, nullptr), kNoErr);
    EXPECT_EQ(suite_->AIDeleteActionParamValue(block), kNoErr);
  });
  const auto& plays = host_.App().actions.plays;
  ASSERT_EQ(plays.size(), 2u);
  EXPECT_EQ(plays[0].eventName, "first");
  EXPECT_EQ(plays[0].dialogStatus, 1);
  ASSERT_TRUE(plays[0].parameters.has_value());
  ASSERT_EQ(plays[0].parameters->params.size(), 2u);
  const ActionParam* offset = plays[0].Find(FourCharCode("ofst"));
  ASSERT_NE(offset, nullptr);
  EXPECT_EQ(offset->kind, ActionParam::Kind::kUnitReal);
  EXPECT_EQ(offset->real, 2.5f);
  EXPECT_EQ(offset->unit, FourCharCode("#Pxl"));
  EXPECT_EQ(plays[0].Find(FourCharCode("jntp"))->name, "Round");
  EXPECT_FALSE(plays[1].parameters.has_value());
  Release();
  EXPECT_EQ(host_.Leftovers(), std::vector<std::string>{});
}

TEST_F(ActionManagerSuiteTest, MisuseIsRecordedAndAnsweredWithAnError) {
  host_.AsHostCall([&] {
    AIActionParamValueRef deleted = nullptr;
    ASSERT_EQ(suite_->AINewActionParamValue(&deleted), kNoErr);
    ASSERT_EQ(suite_->AIDeleteActionParamValue(deleted), kNoErr);
    EXPECT_NE(suite_->AIActionSetReal(deleted, 1, 0.0f), kNoErr);
    EXPECT_NE(suite_->PlayActionEvent("x", 0, deleted), kNoErr);
    EXPECT_NE(suite_->AIDeleteActionParamValue(deleted), kNoErr);
    EXPECT_NE(suite_->PlayActionEvent(nullptr, 0, nullptr), kNoErr);
    AIActionParamValueRef kept = nullptr;
    ASSERT_EQ(suite_->AINewActionParamValue(&kept), kNoErr);
  });
  EXPECT_TRUE(host_.App().actions.plays.empty());
  Release();
  const std::vector<std::string> leftovers = host_.Leftovers();
  ASSERT_EQ(leftovers.size(), 4u);
  EXPECT_EQ(leftovers[0], "action parameter blocks not deleted: 1");
  EXPECT_NE(leftovers[1].find("used a deleted parameter block"), std::string::npos);
}

}  // namespace
