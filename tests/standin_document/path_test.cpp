#include "standin/scenario/shapes.h"
#include "suite_fixture.h"

namespace kwtest {
namespace {

using standin::DocumentBuilder;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

bool SameSegment(const AIPathSegment& a, const AIPathSegment& b) {
  return a.p.h == b.p.h && a.p.v == b.p.v && a.in.h == b.in.h && a.in.v == b.in.v &&
         a.out.h == b.out.h && a.out.v == b.out.v && a.corner == b.corner;
}

AIPathSegment Smooth(AIReal x, AIReal y) {
  return {{x, y}, {x - 1, y + 2}, {x + 3, y - 4}, 0};
}

class PathTest : public DocumentSuitesTest {};

TEST_F(PathTest, SegmentsWrittenAreReadBackExactly) {
  DocumentBuilder doc(host.Documents());
  const std::vector<AIPathSegment> written = {Smooth(1.5f, -2.25f), standin::CornerPoint(0, 0),
                                              Smooth(-1e4f, 3.0e-3f)};
  InHost([&] {
    AIArtHandle path = nullptr;
    ASSERT_EQ(kNoErr, art->NewArt(kPathArt, kPlaceAboveAll, nullptr, &path));
    ASSERT_EQ(kNoErr, paths->SetPathSegments(path, 0, 3, written.data()));
    ASSERT_EQ(kNoErr, paths->SetPathClosed(path, true));
    int16_t count = 0;
    EXPECT_EQ(kNoErr, paths->GetPathSegmentCount(path, &count));
    ASSERT_EQ(3, count);
    AIPathSegment read[3] = {};
    EXPECT_EQ(kNoErr, paths->GetPathSegments(path, 0, 3, read));
    for (int i = 0; i < 3; ++i) EXPECT_TRUE(SameSegment(written[i], read[i])) << i;
    AIPathSegment middle{};
    EXPECT_EQ(kNoErr, paths->GetPathSegments(path, 1, 1, &middle));
    EXPECT_TRUE(SameSegment(written[1], middle));
    AIBoolean closed = false;
    EXPECT_EQ(kNoErr, paths->GetPathClosed(path, &closed));
    EXPECT_TRUE(closed);
  });
  EXPECT_THAT(Leftovers(), IsEmpty());
}

TEST_F(PathTest, SettingPastTheEndGrowsAndTheCountCanShrink) {
  DocumentBuilder doc(host.Documents());
  const AIArtHandle path = doc.Polyline("line", {{0, 0}, {1, 1}}).Handle();
  InHost([&] {
    const AIPathSegment extra[2] = {Smooth(5, 5), Smooth(6, 6)};
    ASSERT_EQ(kNoErr, paths->SetPathSegments(path, 1, 2, extra));
    EXPECT_EQ(3u, View().Art(path).segments.size());
    EXPECT_TRUE(SameSegment(standin::CornerPoint(0, 0), View().Art(path).segments[0]));
    EXPECT_TRUE(SameSegment(extra[1], View().Art(path).segments[2]));
    ASSERT_EQ(kNoErr, paths->SetPathSegmentCount(path, 1));
    EXPECT_EQ(1u, View().Art(path).segments.size());
    ASSERT_EQ(kNoErr, paths->SetPathSegmentCount(path, 4));
    EXPECT_EQ(4u, View().Art(path).segments.size());
  });
  EXPECT_THAT(Leftovers(), IsEmpty());
}

TEST_F(PathTest, OutOfRangeAndWrongArtAreRecordedAndChangeNothing) {
  DocumentBuilder doc(host.Documents());
  const AIArtHandle path = doc.Rectangle("r", 0, 0, 2, 2).Handle();
  const AIArtHandle group = doc.BeginGroup("g").Handle();
  doc.End();
  InHost([&] {
    AIPathSegment buffer[8] = {};
    int16_t count = 0;
    EXPECT_EQ(kBadParameterErr, paths->GetPathSegments(path, 2, 3, buffer));
    EXPECT_EQ(kBadParameterErr, paths->GetPathSegments(path, -1, 1, buffer));
    EXPECT_EQ(kBadParameterErr, paths->GetPathSegments(path, 0, 4, nullptr));
    EXPECT_EQ(kBadParameterErr, paths->SetPathSegments(path, 5, 1, buffer));
    EXPECT_EQ(kBadParameterErr, paths->SetPathSegmentCount(path, -2));
    EXPECT_EQ(kBadParameterErr, paths->GetPathSegmentCount(group, &count));
    EXPECT_EQ(kBadParameterErr, paths->GetPathSegmentCount(path, nullptr));
  });
  EXPECT_EQ(7u, Misbehaviour().size());
  EXPECT_THAT(Misbehaviour()[0], HasSubstr("AI Path Suite::GetPathSegments"));
  EXPECT_THAT(Misbehaviour()[5], HasSubstr("is no path"));
  EXPECT_EQ(4u, View().Art(path).segments.size());
}

TEST_F(PathTest, ScenarioShapesHaveTheirAnchorsAndHandles) {
  DocumentBuilder doc(host.Documents());
  doc.Rectangle("rect", 10, 20, 30, 40);
  doc.Circle("circle", 0, 0, 10);
  doc.Polyline("line", {{0, 0}, {5, 0}, {5, 5}});
  const auto& rect = View().Art("rect");
  EXPECT_TRUE(rect.closed);
  ASSERT_EQ(4u, rect.segments.size());
  EXPECT_TRUE(SameSegment(standin::CornerPoint(40, 60), rect.segments[2]));
  const auto& circle = View().Art("circle");
  ASSERT_EQ(4u, circle.segments.size());
  EXPECT_TRUE(circle.closed);
  const float k = 10 * 0.5522848f;
  EXPECT_FLOAT_EQ(10, circle.segments[0].p.h);
  EXPECT_FLOAT_EQ(k, circle.segments[0].out.v);
  EXPECT_FLOAT_EQ(-k, circle.segments[0].in.v);
  EXPECT_FLOAT_EQ(10, circle.segments[1].p.v);
  EXPECT_FLOAT_EQ(-k, circle.segments[1].out.h);
  const auto& line = View().Art("line");
  EXPECT_FALSE(line.closed);
  EXPECT_EQ(3u, line.segments.size());
}

TEST_F(PathTest, StylesRoundTripWholeAndBelongToPathsAndCompoundPaths) {
  DocumentBuilder doc(host.Documents());
  const AIArtHandle path = doc.Rectangle("r", 0, 0, 1, 1).Handle();
  const AIArtHandle compound = doc.BeginCompoundPath("cp").Handle();
  doc.End();
  const AIArtHandle text = doc.Text("t").Handle();
  AIPathStyle style = standin::DefaultPathStyle();
  style.fillPaint = 0;
  style.fill.overprint = 1;
  style.stroke.color.kind = kThreeColor;
  style.stroke.color.c.rgb = {0.25f, 0.5f, 0.75f};
  style.stroke.width = 0.5f;
  style.stroke.dash.length = 2;
  style.stroke.dash.array[1] = 7;
  style.evenodd = 1;
  InHost([&] {
    for (AIArtHandle target : {path, compound}) {
      ASSERT_EQ(kNoErr, styles->SetPathStyle(target, &style));
      AIPathStyle got{};
      ASSERT_EQ(kNoErr, styles->GetPathStyle(target, &got));
      EXPECT_EQ(style.fillPaint, got.fillPaint);
      EXPECT_EQ(style.fill.overprint, got.fill.overprint);
      EXPECT_EQ(kThreeColor, got.stroke.color.kind);
      EXPECT_EQ(0.75f, got.stroke.color.c.rgb.blue);
      EXPECT_EQ(0.5f, got.stroke.width);
      EXPECT_EQ(2, got.stroke.dash.length);
      EXPECT_EQ(7.0f, got.stroke.dash.array[1]);
      EXPECT_EQ(4.0f, got.stroke.miterLimit);
      EXPECT_EQ(1, got.evenodd);
      EXPECT_FALSE(art->ArtHasFill(target));
      EXPECT_TRUE(art->ArtHasStroke(target));
    }
    AIPathStyle got{};
    EXPECT_EQ(kBadParameterErr, styles->GetPathStyle(text, &got));
    EXPECT_EQ(kBadParameterErr, styles->SetPathStyle(path, nullptr));
  });
  EXPECT_EQ(2u, Misbehaviour().size());
}

}  // namespace
}  // namespace kwtest
