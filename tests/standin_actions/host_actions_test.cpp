// The host's own work behind the preparation actions, checked against geometry worked out by hand:
// radii, widths and areas of shapes whose outlines are known exactly.
#include <gtest/gtest.h>
#include <polyclipping/clipper.hpp>

#include <algorithm>
#include <cmath>
#include <numbers>

#include "hostapi/suites.h"
#include "standin/actions/offset_path.h"
#include "standin/actions/polygons.h"
#include "standin/core/host.h"
#include "standin/model/dialog_system.h"
#include "standin/scenario/document_builder.h"
#include "standin/scenario/document_view.h"
#include "standin/scenario/shapes.h"
#include "standin_actions/action_suite_fixture.h"
#include "support/param_names.h"

namespace {

using standin::ArtObject;
using standin::DocumentBuilder;
using standin::DocumentView;
using standin::FourCharCode;
using standin::ModalScript;

class HostActionsTest : public kwtest::ActionSuiteTest {
 protected:
  void TearDown() override {
    Release();
    EXPECT_EQ(host_.Leftovers(), std::vector<std::string>{});
  }

  // Plays `event` as the plug-in does; the offset with its preset and the dialog open.
  AIErr Play(const char* event) {
    AIErr result = kNoErr;
    host_.AsHostCall([&] {
      if (std::string(event) != "ai_plugin_offset") {
        result = suite_->PlayActionEvent(event, kActionDialogOff, nullptr);
        return;
      }
      AIActionParamValueRef block = nullptr;
      suite_->AINewActionParamValue(&block);
      suite_->AIActionSetUnitReal(block, FourCharCode("ofst"), FourCharCode("#Pxl"), 14.1732f);
      suite_->AIActionSetUnitReal(block, FourCharCode("mitr"), FourCharCode("#Pxl"), 14.1732f);
      suite_->AIActionSetEnumerated(block, FourCharCode("jntp"), "Miter", 2);
      result = suite_->PlayActionEvent(event, kActionDialogOn, block);
      suite_->AIDeleteActionParamValue(block);
    });
    return result;
  }

  // Every top-level art object's subpaths as polygons, with the object's type.
  struct Shape {
    std::int16_t type;
    ClipperLib::Paths polygons;
  };
  std::vector<Shape> TopLevel() {
    std::vector<Shape> out;
    for (AIArtHandle art : view_.All()) {
      const ArtObject& object = view_.Art(art);
      if (object.parent != nullptr) continue;
      Shape shape{object.type, {}};
      for (const auto& outline : standin::FlattenArt(host_.Documents(), art)) {
        shape.polygons.push_back(outline.points);
      }
      out.push_back(shape);
    }
    return out;
  }
  static double Area(const ClipperLib::Paths& polygons) {
    double area = 0;
    for (const auto& polygon : polygons) area += ClipperLib::Area(polygon);
    return area / (standin::kGridPerPoint * standin::kGridPerPoint);
  }
  // Left, bottom, right, top, in points.
  static std::vector<double> Box(const ClipperLib::Paths& polygons) {
    std::vector<double> box = {1e9, 1e9, -1e9, -1e9};
    for (const auto& polygon : polygons) {
      for (const auto& point : polygon) {
        const double x = standin::FromGrid(point.X), y = standin::FromGrid(point.Y);
        box[0] = std::min(box[0], x), box[1] = std::min(box[1], y);
        box[2] = std::max(box[2], x), box[3] = std::max(box[3], y);
      }
    }
    return box;
  }

  DocumentBuilder doc_{host_.Documents()};
  DocumentView view_{host_.Documents()};
};

class OffsetCircle : public HostActionsTest,
                     public ::testing::WithParamInterface<standin::OffsetJoin> {};

TEST_P(OffsetCircle, LiesOnTheLargerCircleEverywhere) {
  doc_.Circle("disc", 100, 100, 40).Selected();
  host_.Dialogs().QueueModalScript(
      ModalScript().Pick(standin::kJoinsPopup, standin::JoinEntry(GetParam())).Press(1));
  ASSERT_EQ(Play("ai_plugin_offset"), kNoErr);
  const auto shapes = TopLevel();
  ASSERT_EQ(shapes.size(), 2u);
  EXPECT_EQ(view_.Find("disc"), view_.All().back()) << "the original stays on top";
  EXPECT_FALSE(view_.Selected(view_.Find("disc")));
  ASSERT_EQ(shapes[0].polygons.size(), 1u);
  const ClipperLib::Path& ring = shapes[0].polygons[0];
  for (std::size_t i = 0; i < ring.size(); ++i) {
    const auto& a = ring[i];
    const auto& b = ring[(i + 1) % ring.size()];
    for (double t : {0.0, 0.5}) {
      const double x = standin::FromGrid(a.X) + t * standin::FromGrid(b.X - a.X) - 100;
      const double y = standin::FromGrid(a.Y) + t * standin::FromGrid(b.Y - a.Y) - 100;
      ASSERT_NEAR(std::hypot(x, y), 54.1732, 0.02) << "point " << i << " t " << t;
    }
  }
}

// The flattened circle's many slight turns, each joined on its own.
INSTANTIATE_TEST_SUITE_P(Joins, OffsetCircle,
                         ::testing::Values(standin::OffsetJoin::kMiter, standin::OffsetJoin::kRound,
                                           standin::OffsetJoin::kBevel),
                         [](const auto& join) {
                           return std::string(standin::JoinName(join.param));
                         });

struct OffsetCase {
  const char* name;
  const char* shape;
  double offset;
  standin::OffsetJoin join;
  double area;
  std::vector<double> box;  // left, bottom, right, top
  double miterLimit = 4;
};

class OffsetShape : public HostActionsTest, public ::testing::WithParamInterface<OffsetCase> {
 protected:
  void SetUp() override {
    HostActionsTest::SetUp();
    doc_.Rectangle("square", 0, 0, 100, 100);
    doc_.Polyline("ell", {{0, 0}, {100, 0}, {100, 40}, {40, 40}, {40, 100}, {0, 100}}).Closed();
    doc_.BeginCompoundPath("frame");
    doc_.Rectangle("frame outside", 0, 0, 100, 100);
    doc_.Rectangle("frame hole", 30, 30, 40, 40);
    doc_.End();
  }
};

TEST_P(OffsetShape, HasTheAreaAndBoxOfItsJoins) {
  const ClipperLib::Paths area = standin::FilledArea(
      standin::FlattenArt(host_.Documents(), view_.Find(GetParam().shape)), true);
  const ClipperLib::Paths offset =
      standin::OffsetArea(area, {GetParam().offset, GetParam().join, GetParam().miterLimit});
  ASSERT_EQ(offset.size(), area.size()) << "no slivers, no hole lost";
  EXPECT_NEAR(Area(offset), GetParam().area, 1e-3);
  const std::vector<double> box = Box(offset);
  for (int i = 0; i < 4; ++i) EXPECT_NEAR(box[i], GetParam().box[i], 1e-3) << i;
}

// A square of side s grown by d: s² + 4sd plus d² per corner mitred, half that bevelled. The L's
// corners that turn away from the offset stay sharp; the others are mitred out to a d x d square,
// of which a bevel leaves half.
constexpr auto kMiter = standin::OffsetJoin::kMiter, kBevel = standin::OffsetJoin::kBevel;
INSTANTIATE_TEST_SUITE_P(
    Cases, OffsetShape,
    ::testing::Values(
        OffsetCase{
            "BevelSquare", "square", 10, kBevel, 100 * 100 + 4000 + 2 * 100, {-10, -10, 110, 110}},
        OffsetCase{"MiterSquare", "square", 10, kMiter, 120 * 120, {-10, -10, 110, 110}},
        // A right angle's miter reaches √2 times the offset: over a limit of 1.2 it is bevelled.
        OffsetCase{"MiterSquareOverItsLimit",
                   "square",
                   10,
                   kMiter,
                   100 * 100 + 4000 + 2 * 100,
                   {-10, -10, 110, 110},
                   1.2},
        OffsetCase{"BevelSquareShrunk", "square", -10, kBevel, 80 * 80, {10, 10, 90, 90}},
        OffsetCase{
            "BevelEllGrown", "ell", 5, kBevel, 110 * 110 - 3600 - 5 * 12.5, {-5, -5, 105, 105}},
        OffsetCase{"BevelEllShrunk", "ell", -5, kBevel, 90 * 90 - 3600 + 12.5, {5, 5, 95, 95}},
        OffsetCase{"MiterEllShrunk", "ell", -5, kMiter, 90 * 90 - 3600, {5, 5, 95, 95}},
        // The hole's corners turn the other way round.
        OffsetCase{
            "BevelFrameGrown", "frame", 5, kBevel, 110 * 110 - 50 - 30 * 30, {-5, -5, 105, 105}},
        OffsetCase{
            "BevelFrameShrunk", "frame", -5, kBevel, 90 * 90 - 50 * 50 + 50, {5, 5, 95, 95}}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

struct StrokeCase {
  const char* name;
  std::vector<AIRealPoint> line;
  int cap, join;
  double area;
  std::vector<double> box;  // left, bottom, right, top
  double areaTolerance = 0.1;
  double miterLimit = 4;
};

class StrokeOutline : public HostActionsTest, public ::testing::WithParamInterface<StrokeCase> {};

TEST_P(StrokeOutline, BecomesTheFilledAreaOfTheStroke) {
  AIPathStyle style = standin::DefaultPathStyle();
  style.fillPaint = 0;
  style.stroke.width = 10;
  style.stroke.cap = GetParam().cap;
  style.stroke.join = GetParam().join;
  style.stroke.miterLimit = GetParam().miterLimit;
  style.stroke.color.c.f.magenta = 1;
  doc_.Polyline("line", GetParam().line).Style(style).Selected();
  doc_.Rectangle("unselected", 300, 300, 10, 10);
  ASSERT_EQ(Play("ai_plugin_outline"), kNoErr);
  EXPECT_FALSE(view_.Exists("line"));
  ASSERT_TRUE(view_.Exists("unselected"));
  const auto shapes = TopLevel();
  ASSERT_EQ(shapes.size(), 2u);
  EXPECT_NEAR(Area(shapes[0].polygons), GetParam().area, GetParam().areaTolerance);
  const std::vector<double> box = Box({shapes[0].polygons.at(0)});
  for (int i = 0; i < 4; ++i) EXPECT_NEAR(box[i], GetParam().box[i], 0.01) << i;
  const ArtObject& outline = view_.Art(view_.All().front());
  EXPECT_EQ(outline.style.fillPaint, 1);
  EXPECT_EQ(outline.style.strokePaint, 0);
  EXPECT_EQ(outline.style.fill.color.c.f.magenta, 1);
}

// An L of two 100 pt legs, 10 pt wide: two 1000 pt² bars overlapping in a 5 x 5 square, plus the
// outer corner: a quarter disc of radius 5 round, a 5 x 5 square mitred.
INSTANTIATE_TEST_SUITE_P(
    Cases, StrokeOutline,
    ::testing::Values(
        StrokeCase{"ButtLine", {{0, 0}, {100, 0}}, 0, 0, 1000, {0, -5, 100, 5}},
        StrokeCase{"SquareCaps", {{0, 0}, {100, 0}}, 2, 0, 1100, {-5, -5, 105, 5}},
        StrokeCase{"RoundJoin",
                   {{0, 100}, {0, 0}, {100, 0}},
                   0,
                   1,
                   1975 + 25 * std::numbers::pi / 4,
                   {-5, -5, 100, 100}},
        StrokeCase{"MiterJoin", {{0, 100}, {0, 0}, {100, 0}}, 0, 0, 2000, {-5, -5, 100, 100}},
        // Over its limit a miter is bevelled, as SVG draws it.
        StrokeCase{"MiterJoinOverItsLimit",
                   {{0, 100}, {0, 0}, {100, 0}},
                   0,
                   0,
                   1987.5,
                   {-5, -5, 100, 100},
                   0.1,
                   1.2},
        // Bevel: half the mitred square, cut along its diagonal.
        StrokeCase{"BevelJoin", {{0, 100}, {0, 0}, {100, 0}}, 0, 2, 1987.5, {-5, -5, 100, 100}},
        StrokeCase{"BevelJoinRepeatedAndInLinePoints",
                   {{0, 100}, {0, 60}, {0, 60}, {0, 30}, {0, 0}, {50, 0}, {100, 0}},
                   0,
                   2,
                   1987.5,
                   {-5, -5, 100, 100}},
        StrokeCase{"BevelJoinSquareCaps",
                   {{0, 100}, {0, 0}, {100, 0}},
                   2,
                   2,
                   1987.5 + 2 * 50,
                   {-5, -5, 105, 105}},
        StrokeCase{"BevelJoinRoundCaps",
                   {{0, 100}, {0, 0}, {100, 0}},
                   1,
                   2,
                   1987.5 + 25 * std::numbers::pi,
                   {-5, -5, 105, 105},
                   0.3},
        // Turning back on itself, a bevelled line ends flat where it turns.
        StrokeCase{"BevelJoinReversal", {{0, 0}, {100, 0}, {50, 0}}, 0, 2, 1000, {0, -5, 100, 5}}),
    test_support::NameBy(&StrokeCase::name));

// Many short edges turning a little each: every bevel must merge into one outline, leaving no
// slivers where the pieces meet.
TEST_F(HostActionsTest, BevelledCurveOutlinesIntoOnePolygon) {
  std::vector<AIPathSegment> curve(2);
  curve[0].p = curve[0].in = {30, 80};
  curve[0].out = {80, 120};
  curve[1].p = curve[1].out = {180, 70};
  curve[1].in = {120, 0};
  AIPathStyle style = standin::DefaultPathStyle();
  style.stroke.width = 12;
  style.stroke.join = standin::kStrokeBevelJoin;
  doc_.Path("curve", curve, false).Style(style).Selected();
  ASSERT_EQ(Play("ai_plugin_outline"), kNoErr);
  const auto shapes = TopLevel();
  ASSERT_EQ(shapes.size(), 1u);
  EXPECT_EQ(shapes[0].polygons.size(), 1u);
}

TEST_F(HostActionsTest, DashedStrokeGivesOneOutlinePerDash) {
  AIPathStyle style = standin::DefaultPathStyle();
  style.stroke.width = 2;
  style.stroke.dash.length = 2;
  style.stroke.dash.array[0] = 10;
  style.stroke.dash.array[1] = 5;
  doc_.Polyline("dashed", {{0, 0}, {100, 0}}).Style(style).Selected();
  ASSERT_EQ(Play("ai_plugin_outline"), kNoErr);
  const auto shapes = TopLevel();
  ASSERT_EQ(shapes.size(), 1u);
  EXPECT_EQ(shapes[0].type, kCompoundPathArt);
  // Dashes at 0, 15, ..., 90: seven, the last cut to 10 by the line's end.
  EXPECT_EQ(shapes[0].polygons.size(), 7u);
  EXPECT_NEAR(Area(shapes[0].polygons), 7 * 10 * 2, 0.1);
}

TEST_F(HostActionsTest, OverlappingSquaresMergeAndOthersStayApart) {
  doc_.Rectangle("bottom", 0, 0, 100, 100).Selected();
  AIPathStyle topStyle = standin::DefaultPathStyle();
  topStyle.fill.color.c.f.cyan = 1;
  doc_.Rectangle("top", 50, 50, 100, 100).Style(topStyle).Selected();
  doc_.Rectangle("apart", 400, 400, 10, 10).Selected();
  ASSERT_EQ(Play("ai_plugin_pathfinder"), kNoErr);
  EXPECT_TRUE(view_.Exists("apart"));
  EXPECT_FALSE(view_.Exists("top"));
  const auto shapes = TopLevel();
  ASSERT_EQ(shapes.size(), 2u);
  // In the topmost's place, below the shape apart.
  EXPECT_EQ(shapes[0].type, kPathArt);
  EXPECT_NEAR(Area(shapes[0].polygons), 2 * 10000 - 2500, 1e-6);
  EXPECT_EQ(view_.Art(view_.All()[0]).style.fill.color.c.f.cyan, 1) << "the topmost's paint";
}

TEST_F(HostActionsTest, FrameOfFourBarsMergesIntoACompoundPathWithAHole) {
  doc_.Rectangle("south", 0, 0, 100, 20).Selected();
  doc_.Rectangle("north", 0, 80, 100, 20).Selected();
  doc_.Rectangle("west", 0, 0, 20, 100).Selected();
  doc_.Rectangle("east", 80, 0, 20, 100).Selected();
  ASSERT_EQ(Play("ai_plugin_pathfinder"), kNoErr);
  const auto shapes = TopLevel();
  ASSERT_EQ(shapes.size(), 1u);
  EXPECT_EQ(shapes[0].type, kCompoundPathArt);
  ASSERT_EQ(shapes[0].polygons.size(), 2u);
  EXPECT_NEAR(Area(shapes[0].polygons), 10000 - 3600, 1e-6) << "the hole winds the other way";
  // A second play that only expands changes nothing.
  const auto before = view_.All();
  host_.AsHostCall([&] {
    AIActionParamValueRef block = nullptr;
    suite_->AINewActionParamValue(&block);
    suite_->AIActionSetReal(block, FourCharCode("xpnd"), 0.0f);
    suite_->PlayActionEvent("ai_plugin_pathfinder", kActionDialogOff, block);
    suite_->AIDeleteActionParamValue(block);
  });
  EXPECT_EQ(view_.All(), before);
}

struct UnchangedCase {
  const char* name;
  const char* event;
  bool failPlay;
};

class NothingChanges : public HostActionsTest,
                       public ::testing::WithParamInterface<UnchangedCase> {};

TEST_P(NothingChanges, WhenThePlayFailsOrTheDialogIsCancelled) {
  doc_.Rectangle("a", 0, 0, 100, 100).Selected();
  doc_.Rectangle("b", 50, 50, 100, 100).Selected();
  standin::TextRun run;
  run.characters = "Hi";
  run.fontFamily = "DejaVu Sans";
  doc_.Text("caption").Runs({run}, {1, 0, 0, -1, 0, 200}).Selected();
  if (GetParam().failPlay) host_.App().actions.playResult = kBadParameterErr;
  host_.Dialogs().QueueModalScript(ModalScript().Press(2));
  const auto before = view_.All();
  Play(GetParam().event);
  EXPECT_EQ(view_.All(), before);
  if (GetParam().failPlay) host_.Dialogs().TakeModalScript();
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NothingChanges,
    ::testing::Values(UnchangedCase{"FailedMerge", "ai_plugin_pathfinder", true},
                      UnchangedCase{"FailedOutline", "ai_plugin_outline", true},
                      UnchangedCase{"FailedText", "adobe_createOutline", true},
                      UnchangedCase{"FailedOffset", "ai_plugin_offset", true},
                      UnchangedCase{"CancelledOffset", "ai_plugin_offset", false}),
    test_support::NameBy(&UnchangedCase::name));

}  // namespace
