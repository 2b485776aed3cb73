// Outline Stroke prepares the selection in the document before the host's action plays.
#include <gtest/gtest.h>

#include "commands/commands.h"
#include "standin/scenario/document_builder.h"
#include "standin/scenario/document_view.h"
#include "support/plugin_host.h"

namespace {

using standin::DocumentBuilder;
using standin::DocumentView;

class OutlineStrokeTest : public test_support::PluginHostTest {
 protected:
  // The host's action fails, so that the document shows what the command itself prepared.
  void SetUp() override {
    PluginHostTest::SetUp();
    host_.App().actions.playResult = kBadParameterErr;
  }
  DocumentView View() { return DocumentView(host_.Documents()); }
  const std::vector<standin::ActionPlay>& Plays() { return host_.App().actions.plays; }
  void ExpectOnePlainOutlinePlay() {
    ASSERT_EQ(Plays().size(), 1u);
    EXPECT_EQ(Plays()[0].eventName, "ai_plugin_outline");
    EXPECT_EQ(Plays()[0].dialogStatus, 0);
    EXPECT_FALSE(Plays()[0].parameters.has_value());
  }
};

TEST_F(OutlineStrokeTest, StrokedPathsLoseTheirFillAndUnstrokedArtIsDeselected) {
  DocumentBuilder doc(host_.Documents());
  doc.Rectangle("frame", 10, 10, 100, 50).Filled().Stroked().StrokeWidth(3).Selected();
  doc.Circle("dot", 50, 25, 10).Filled().Stroked(false).Selected();
  doc.Text("caption").Selected();
  doc.BeginGroup("group").Selected();
  doc.End();
  doc.Rectangle("unselected", 0, 0, 5, 5).Filled().Stroked();
  const AIPathStyle circleBefore = View().Art("dot").style;

  Run(OutlineStrokeCommand);

  const DocumentView view = View();
  const AIPathStyle& frame = view.Art("frame").style;
  EXPECT_EQ(frame.fillPaint, 0);
  EXPECT_EQ(frame.strokePaint, 1);
  EXPECT_EQ(frame.stroke.width, 3.0f);  // the rest of the record is written back as it was
  EXPECT_TRUE(view.Selected(view.Find("frame")));

  EXPECT_FALSE(view.Selected(view.Find("dot")));
  EXPECT_EQ(view.Art("dot").style.fillPaint, circleBefore.fillPaint);
  EXPECT_EQ(view.Art("dot").style.fill.color.kind, circleBefore.fill.color.kind);

  EXPECT_FALSE(view.Selected(view.Find("caption")));
  EXPECT_TRUE(view.Selected(view.Find("group")));
  EXPECT_EQ(view.Art("unselected").style.fillPaint, 1);
  ExpectOnePlainOutlinePlay();
}

// Only a stroke flag of exactly 1 counts as stroked.
TEST_F(OutlineStrokeTest, AStrokeFlagOtherThanOneCountsAsUnstroked) {
  DocumentBuilder doc(host_.Documents());
  AIPathStyle odd = standin::DefaultPathStyle();
  odd.strokePaint = 2;
  doc.Rectangle("odd", 0, 0, 10, 10).Style(odd).Selected();
  Run(OutlineStrokeCommand);
  EXPECT_FALSE(View().Selected(View().Find("odd")));
  EXPECT_EQ(View().Art("odd").style.fillPaint, odd.fillPaint);
}

TEST_F(OutlineStrokeTest, AFailedSelectionRequestStillPlaysTheAction) {
  DocumentBuilder doc(host_.Documents());
  doc.Rectangle("frame", 0, 0, 10, 10).Filled().Stroked().Selected();
  host_.Gate().FailCall(1);  // GetSelectedArt
  Run(OutlineStrokeCommand);
  EXPECT_EQ(View().Art("frame").style.fillPaint, 1);
  ExpectOnePlainOutlinePlay();
}

// A style that cannot be read is never written back over the path's own.
TEST_F(OutlineStrokeTest, AFailedStyleReadLeavesTheStyleAlone) {
  DocumentBuilder doc(host_.Documents());
  doc.Rectangle("frame", 0, 0, 10, 10).Filled().Stroked().StrokeWidth(2).Selected();
  host_.Gate().FailCall(3);  // GetSelectedArt, GetArtType, GetPathStyle
  Run(OutlineStrokeCommand);
  const AIPathStyle& style = View().Art("frame").style;
  EXPECT_EQ(style.fillPaint, 1);
  EXPECT_EQ(style.stroke.width, 2.0f);
  ExpectOnePlainOutlinePlay();
}

}  // namespace
