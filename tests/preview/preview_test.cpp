// What the preview draws: page fit, crop-mark pictures, the paths in their colours, the button
// picture, and what it leaves out.
#include <gtest/gtest.h>

#include <algorithm>

#include "cropmarks/crop_mark_shapes.h"
#include "output/settings.h"
#include "preview_fixture.h"
#include "standin/render/drawer_image.h"
#include "support/param_names.h"

namespace preview_test {
namespace {

using standin::DrawColor;
using standin::DrawOp;
using standin::DrawOpKind;

bool SameRect(const ASRect& a, const ASRect& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

std::vector<std::pair<int, int>> Points(const DrawOp& op) {
  std::vector<std::pair<int, int>> points;
  for (const ASPoint& p : op.points) points.emplace_back(p.h, p.v);
  return points;
}

using PointList = std::vector<std::pair<int, int>>;
// The 100 x 100 .. 300 x 400 rectangle of the tests on the A4 page rectangle (21, 0, 162, 200).
const PointList kRectangleOnScreen = {{45, 176}, {92, 176}, {92, 105}, {45, 105}, {45, 176}};

TEST_F(PreviewTest, PaintsTheBackgroundThenTheA4PageFittedByItsHeight) {
  const standin::DrawerRecord drawing = Draw();
  const auto fills = Ops(drawing, DrawOpKind::kFillRect);
  ASSERT_EQ(fills.size(), 2u);
  EXPECT_TRUE(SameRect(fills[0].rect, ASRect{0, 0, 184, 200}));
  EXPECT_EQ(fills[0].color, standin::AdmColor(kADMBackgroundColor));
  EXPECT_TRUE(SameRect(fills[1].rect, ASRect{21, 0, 162, 200}));
  EXPECT_EQ(fills[1].color, standin::AdmColor(kADMWhiteColor));
  EXPECT_EQ(drawing.color, standin::AdmColor(kADMBlackColor));
}

struct FitCase {
  float width;
  float height;
  ASRect page;
};

class PageFitTest : public PreviewTest, public ::testing::WithParamInterface<FitCase> {};

TEST_P(PageFitTest, CentresThePageAlongItsFreeDirection) {
  doc_->Page(GetParam().width, GetParam().height);
  const auto fills = Ops(Draw(), DrawOpKind::kFillRect);
  ASSERT_EQ(fills.size(), 2u);
  const ASRect& page = fills[1].rect;
  const ASRect& expected = GetParam().page;
  EXPECT_TRUE(SameRect(page, expected))
      << page.left << "," << page.top << "," << page.right << "," << page.bottom;
}

INSTANTIATE_TEST_SUITE_P(Pages, PageFitTest,
                         ::testing::Values(FitCase{kA4Width, kA4Height, {21, 0, 162, 200}},
                                           // limited by the width: centred vertically
                                           FitCase{800, 400, {0, 54, 184, 146}},
                                           // both scales equal: the height's branch
                                           FitCase{92, 100, {0, 0, 184, 200}}),
                         test_support::NameBy([](const FitCase& c) {
                           return std::to_string(static_cast<int>(c.width)) + " by " +
                                  std::to_string(static_cast<int>(c.height));
                         }));

// An undefined scale would make every pixel coordinate undefined.
TEST_F(PreviewTest, APageWithoutAreaDrawsOnlyTheBackground) {
  doc_->Page(0, kA4Height);
  doc_->Rectangle("r", 100, 100, 200, 300);
  const auto drawing = Draw();
  ASSERT_EQ(Ops(drawing, DrawOpKind::kFillRect).size(), 1u);
  EXPECT_TRUE(Ops(drawing, DrawOpKind::kFramePolygon).empty());
}

TEST_F(PreviewTest, DefaultCropMarksShowTheGreyAreaAndTheCirclesAtThePageCorner) {
  SetCropMarks(true);
  const standin::DrawerRecord drawing = Draw();
  const auto fills = Ops(drawing, DrawOpKind::kFillRect);
  ASSERT_EQ(fills.size(), 3u);
  EXPECT_EQ(fills[2].color, standin::RgbColor(0xF000, 0xF000, 0xF000));
  // The inner edges: (70, 85) and (524, 651) in whole page points, less the margin shift.
  EXPECT_TRUE(SameRect(fills[2].rect, ASRect{28, 59, 135, 193}))
      << fills[2].rect.left << "," << fills[2].rect.top << "," << fills[2].rect.right << ","
      << fills[2].rect.bottom;
  const auto circles = Ops(drawing, DrawOpKind::kFillOval);
  ASSERT_EQ(circles.size(), 3u);  // machine type 3: lower left, lower right, upper left
  EXPECT_TRUE(SameRect(circles[0].rect, ASRect{21, 193, 28, 200}));
  for (const DrawOp& circle : circles) EXPECT_EQ(standin::ScreenColor(circle.color), 0x000000u);
  // The crop-mark art itself is never drawn as a path.
  EXPECT_TRUE(Ops(drawing, DrawOpKind::kFramePolygon).empty());
}

TEST_F(PreviewTest, MachineTypesWithCornerStrokesDrawFourCircles) {
  gCropMarkSettings = CropMarkSettings{1000, 2500, 17000, 21500, 5};
  SetCropMarks(true);
  EXPECT_EQ(Ops(Draw(), DrawOpKind::kFillOval).size(), 4u);
}

TEST_F(PreviewTest, WithoutCropMarksNoGreyAreaNoCirclesAndNoShift) {
  doc_->Rectangle("r", 100, 100, 200, 300);
  const standin::DrawerRecord drawing = Draw();
  EXPECT_EQ(Ops(drawing, DrawOpKind::kFillRect).size(), 2u);
  EXPECT_TRUE(Ops(drawing, DrawOpKind::kFillOval).empty());
  const auto lines = Ops(drawing, DrawOpKind::kFramePolygon);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(Points(lines[0]), kRectangleOnScreen);
  EXPECT_EQ(ButtonPicture(), 1006);
}

TEST_F(PreviewTest, TheRulerOriginMovesArtOntoThePage) {
  doc_->RulerOrigin(10, 20);
  doc_->Rectangle("r", 90, 80, 200, 300);
  const auto lines = Ops(Draw(), DrawOpKind::kFramePolygon);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(Points(lines[0]), kRectangleOnScreen);
}

TEST_F(PreviewTest, AClosedPathIsDrawnClosedAndAnOpenOneOpen) {
  doc_->Polyline("open", {{50, 700}, {250, 700}, {250, 500}});
  doc_->Polyline("closed", {{50, 700}, {250, 700}, {250, 500}}).Closed();
  const auto lines = Ops(Draw(), DrawOpKind::kFramePolygon);
  ASSERT_EQ(lines.size(), 2u);
  const PointList open = Points(lines[0]);
  const PointList closed = Points(lines[1]);
  ASSERT_GE(open.size(), 3u);
  EXPECT_EQ(open.front(), (std::pair{33, 34}));
  EXPECT_EQ(open[1], (std::pair{80, 34}));
  EXPECT_NE(open.front(), open.back());
  EXPECT_EQ(closed.size(), open.size() + 1);
  EXPECT_EQ(closed.front(), closed.back());
}

struct ModeCase {
  const char* what;
  int outputMode;
  std::vector<DrawColor> colours;  // of the outlines, in document order
};

class OutputModeTest : public PreviewTest, public ::testing::WithParamInterface<ModeCase> {};

TEST_P(OutputModeTest, MarkedPathsAreRedOthersBlack) {
  doc_->Rectangle("plain", 100, 100, 50, 50).Selected();
  doc_->Rectangle("marked", 200, 100, 50, 50).Tag("KerfworksCutMark", "0001");
  doc_->Rectangle("unpainted", 300, 100, 50, 50)
      .Filled(false)
      .Stroked(false)
      .Tag("KerfworksCutMark", "0001");
  doc_->Text("caption");
  SetOutputMode(GetParam().outputMode);
  std::vector<DrawColor> colours;
  for (const DrawOp& line : Ops(Draw(), DrawOpKind::kFramePolygon)) colours.push_back(line.color);
  EXPECT_EQ(colours, GetParam().colours);
}

const DrawColor kBlack = standin::AdmColor(kADMBlackColor);
const DrawColor kRed = standin::AdmColor(kADMRedColor);

INSTANTIATE_TEST_SUITE_P(Modes, OutputModeTest,
                         ::testing::Values(ModeCase{"All", kOutputAll, {kBlack, kRed}},
                                           ModeCase{"Selected", kOutputSelected, {kBlack}},
                                           ModeCase{"Marked", kOutputMarked, {kRed}}),
                         test_support::NameBy(&ModeCase::what));

TEST_F(PreviewTest, TheCurrentLayerModeLeavesOtherLayersOut) {
  doc_->Layer("Bottom");
  doc_->Rectangle("below", 100, 100, 50, 50);
  doc_->Layer("Top");
  doc_->Rectangle("top", 200, 100, 50, 50);
  doc_->CurrentLayer("Bottom");
  SetOutputMode(kOutputCurrentLayer);
  EXPECT_EQ(Ops(Draw(), DrawOpKind::kFramePolygon).size(), 1u);
}

TEST_F(PreviewTest, TheButtonPictureFollowsTheCropMarks) {
  Draw();
  EXPECT_EQ(ButtonPicture(), 1006);
  SetCropMarks(true);
  Draw();
  EXPECT_EQ(ButtonPicture(), 1008);
  Draw();
  EXPECT_EQ(ButtonPicture(), 1008);
  SetCropMarks(false);
  Draw();
  EXPECT_EQ(ButtonPicture(), 1006);
  // A picture that is neither is left alone.
  SetButtonPicture(1007);
  SetCropMarks(true);
  Draw();
  EXPECT_EQ(ButtonPicture(), 1007);
}

TEST_F(PreviewTest, WithoutADocumentNothingIsDrawn) {
  host_.Documents().Close();
  EXPECT_TRUE(Draw().ops.empty());
}

TEST_F(PreviewTest, AFailedArtRequestDrawsNeitherPathsNorCircles) {
  SetCropMarks(true);
  doc_->Rectangle("r", 100, 100, 200, 300).Selected();
  kADM_bSelectObj = 1;
  Draw();
  host_.Gate().ClearLog();
  ASSERT_EQ(Ops(Draw(), DrawOpKind::kFramePolygon).size(), 1u);
  // Only the art collection asks for the selected art.
  const std::vector<std::string>& log = host_.Gate().Log();
  const auto request =
      std::find(log.begin(), log.end(), std::string(kAIMatchingArtSuite) + "::GetSelectedArt");
  ASSERT_NE(request, log.end());
  host_.Gate().FailCall(static_cast<std::uint64_t>(request - log.begin()) + 1);
  const standin::DrawerRecord drawing = Draw();
  EXPECT_EQ(Ops(drawing, DrawOpKind::kFillRect).size(), 3u);
  EXPECT_TRUE(Ops(drawing, DrawOpKind::kFramePolygon).empty());
  EXPECT_TRUE(Ops(drawing, DrawOpKind::kFillOval).empty());
}

// Zero segments, or so many that the host's 16-bit count turns negative: nothing to draw or
// allocate for.
TEST_F(PreviewTest, APathWithoutAPositiveSegmentCountIsNotDrawn) {
  doc_->Path("empty", {}, true);
  doc_->Polyline("huge", std::vector<AIRealPoint>(40000, AIRealPoint{1, 1}));
  doc_->Rectangle("r", 100, 100, 200, 300);
  host_.Gate().ClearLog();
  const auto lines = Ops(Draw(), DrawOpKind::kFramePolygon);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(Points(lines[0]), kRectangleOnScreen);
  // Segments, flattened points and pixels of the rectangle; no block asked for the others.
  EXPECT_EQ(host_.Gate().Calls(kSPBlocksSuite, "AllocateBlock"), 3);
}

TEST_F(PreviewTest, WithoutMemoryThePathsAreSkippedAndNothingIsLeftBehind) {
  SetCropMarks(true);
  doc_->Rectangle("r", 100, 100, 200, 300);
  host_.Blocks().RefuseAllocations(true);
  const standin::DrawerRecord drawing = Draw();
  EXPECT_TRUE(Ops(drawing, DrawOpKind::kFramePolygon).empty());
  EXPECT_EQ(Ops(drawing, DrawOpKind::kFillOval).size(), 3u);
  EXPECT_EQ(host_.Blocks().LiveCount(), 0u);
}

// Whichever host call fails, the preview neither crashes nor leaves memory or lists behind (a
// host that refuses to take a list or block back is the host's fault, and left out).
TEST_F(PreviewTest, AnyFailingHostCallLeavesNothingBehind) {
  SetCropMarks(true);
  doc_->Rectangle("r", 100, 100, 200, 300).Tag("KerfworksCutMark", "0001");
  doc_->Circle("c", 300, 300, 40);
  Draw();  // the button picture switches once; every later paint makes the same calls
  host_.Gate().ClearLog();
  Draw();
  const std::size_t calls = host_.Gate().Log().size();
  ASSERT_GT(calls, 20u);
  const std::vector<std::string> log = host_.Gate().Log();
  for (std::uint64_t k = 1; k <= calls; ++k) {
    const std::string& call = log[k - 1];
    if (call.ends_with("::ReleaseArtList") || call.ends_with("::FreeBlock")) continue;
    host_.Gate().FailCall(k);
    Draw();
    EXPECT_EQ(host_.Blocks().LiveCount(), 0u) << "call " << k << " " << call;
    EXPECT_EQ(host_.Documents().OpenArtLists(), 0u) << "call " << k;
  }
  host_.Gate().ClearFailure();
}

}  // namespace
}  // namespace preview_test
