// The art of a crop-mark set: shapes, positions, styles, tags, numbers and the locked attribute.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "crop_mark_host.h"
#include "cropmarks/crop_mark_rect.h"
#include "cropmarks/crop_mark_shapes.h"
#include "cropmarks/crop_marks.h"
#include "standin/scenario/document_builder.h"
#include "standin/scenario/document_view.h"
#include "wrappers/host_suites.h"

namespace cropmarks_test {
namespace {

constexpr float kRadius = 14.1732283f;  // pt(500), the fixed radius and the stroke arm length
constexpr float kHandle = 7.8276577f;   // r * 0.276142374 * 2, printed 7.827658

std::string Printed(float value) {
  char text[32];
  std::snprintf(text, sizeof text, "%f", static_cast<double>(value));
  return text;
}

std::string Number(int n) {
  char text[8];
  std::snprintf(text, sizeof text, "%04d", n);
  return text;
}

void ExpectPoint(AIRealPoint actual, float h, float v, const char* what) {
  EXPECT_EQ(actual.h, h) << what;
  EXPECT_EQ(actual.v, v) << what;
}

void ExpectBlack(const AIColor& color) {
  EXPECT_EQ(color.kind, kFourColor);
  EXPECT_EQ(color.c.f.cyan, 0.0f);
  EXPECT_EQ(color.c.f.magenta, 0.0f);
  EXPECT_EQ(color.c.f.yellow, 0.0f);
  EXPECT_EQ(color.c.f.black, 1.0f);
}

// Fields the marks leave as the host made them.
void ExpectHostDefaults(const AIPathStyle& style, const AIPathStyle& fresh) {
  EXPECT_EQ(style.stroke.overprint, fresh.stroke.overprint);
  EXPECT_EQ(style.stroke.cap, fresh.stroke.cap);
  EXPECT_EQ(style.stroke.join, fresh.stroke.join);
  EXPECT_EQ(style.stroke.miterLimit, fresh.stroke.miterLimit);
  EXPECT_EQ(style.stroke.dash.offset, fresh.stroke.dash.offset);
  EXPECT_EQ(style.resolution, fresh.resolution);
}

void ExpectCommonMark(const Mark& mark, int number, const AIPathStyle& fresh) {
  EXPECT_EQ(mark.type, kPathArt);
  EXPECT_EQ(mark.number, Number(number));
  EXPECT_TRUE(mark.locked);
  ExpectBlack(mark.style.fill.color);
  ExpectBlack(mark.style.stroke.color);
  EXPECT_EQ(mark.style.stroke.dash.length, 0);
  EXPECT_FALSE(mark.style.clip);
  EXPECT_FALSE(mark.style.lockClip);
  EXPECT_FALSE(mark.style.evenodd);
  ExpectHostDefaults(mark.style, fresh);
}

// (x, y) in art coordinates.
void ExpectCircle(const Mark& mark, int number, float x, float y, const AIPathStyle& fresh) {
  SCOPED_TRACE("circle " + Number(number));
  ExpectCommonMark(mark, number, fresh);
  EXPECT_TRUE(mark.closed);
  EXPECT_TRUE(mark.style.fillPaint);
  EXPECT_TRUE(mark.style.fill.overprint);
  EXPECT_FALSE(mark.style.strokePaint);
  EXPECT_EQ(mark.style.stroke.width, 0.0f);
  ASSERT_EQ(mark.segments.size(), 4u);
  const float r = kRadius, k = kHandle;
  const AIPathSegment* s = mark.segments.data();
  ExpectPoint(s[0].p, x + r, y, "right");
  ExpectPoint(s[0].in, x + r, y + k, "right in");
  ExpectPoint(s[0].out, x + r, y - k, "right out");
  ExpectPoint(s[1].p, x, y - r, "bottom");
  ExpectPoint(s[1].in, x + k, y - r, "bottom in");
  ExpectPoint(s[1].out, x - k, y - r, "bottom out");
  ExpectPoint(s[2].p, x - r, y, "left");
  ExpectPoint(s[2].in, x - r, y - k, "left in");
  ExpectPoint(s[2].out, x - r, y + k, "left out");
  ExpectPoint(s[3].p, x, y + r, "top");
  ExpectPoint(s[3].in, x - k, y + r, "top in");
  ExpectPoint(s[3].out, x + k, y + r, "top out");
  EXPECT_TRUE(s[3].corner);
}

struct Anchor {
  float h, v;
};

void ExpectStroke(const Mark& mark, int number, const std::vector<Anchor>& anchors,
                  const AIPathStyle& fresh) {
  SCOPED_TRACE("stroke " + Number(number));
  ExpectCommonMark(mark, number, fresh);
  EXPECT_FALSE(mark.closed);
  EXPECT_FALSE(mark.style.fillPaint);
  EXPECT_FALSE(mark.style.fill.overprint);
  EXPECT_TRUE(mark.style.strokePaint);
  EXPECT_EQ(mark.style.stroke.width, 0.5f);
  ASSERT_EQ(mark.segments.size(), anchors.size());
  for (size_t i = 0; i < anchors.size(); ++i) {
    const AIPathSegment& s = mark.segments[i];
    ExpectPoint(s.p, anchors[i].h, anchors[i].v, "anchor");
    ExpectPoint(s.in, anchors[i].h, anchors[i].v, "in");
    ExpectPoint(s.out, anchors[i].h, anchors[i].v, "out");
    EXPECT_TRUE(s.corner);
  }
}

class ShapesTest : public CropMarkHost {
 protected:
  // The style the host gives a new path.
  AIPathStyle FreshStyle() {
    const AIArtHandle probe = AddUserPath(false);
    AIPathStyle style{};
    Run([&] {
      EXPECT_EQ(sAIPathStyle->GetPathStyle(probe, &style), kNoErr);
      EXPECT_EQ(sAIArt->DisposeArt(probe), kNoErr);
    });
    return style;
  }

  // Adds a set for `settings` with the ruler origin at `origin` and checks every mark against the
  // layout of its machine type.
  void CheckSet(CropMarkSettings settings, AIRealPoint origin) {
    SCOPED_TRACE("type " + std::to_string(settings.machineType));
    UseSettings(settings);
    SetPage(kA4Height, origin);
    const AIPathStyle fresh = FreshStyle();
    CropMarkRect rect{};
    Run([&] {
      rect = ComputeCropMarkRect();
      SetCropMarks(true);
    });
    const float l = rect.left - origin.h, r = rect.right - origin.h;
    const float t = rect.top - origin.v, b = rect.bottom - origin.v;
    const std::vector<Mark> marks = MarksByNumber();
    const std::int32_t type = settings.machineType;
    if (MeasuresFromTop(type)) {
      ASSERT_EQ(marks.size(), 3u);
      ExpectCircle(marks[0], 1, l, t, fresh);
      ExpectCircle(marks[1], 2, r, t, fresh);
      ExpectCircle(marks[2], 3, l, b, fresh);
      return;
    }
    if (!HasCornerStrokes(type)) {
      ASSERT_EQ(marks.size(), 3u);
      ExpectCircle(marks[0], 1, l, b, fresh);
      ExpectCircle(marks[1], 2, r, b, fresh);
      ExpectCircle(marks[2], 3, l, t, fresh);
      return;
    }
    ASSERT_EQ(marks.size(), 9u);
    ExpectCircle(marks[0], 1, l, b, fresh);
    ExpectCircle(marks[1], 2, r, b, fresh);
    ExpectCircle(marks[2], 3, l, t, fresh);
    ExpectCircle(marks[3], 4, r, t, fresh);
    // The box bounding the circles is formed in page coordinates, then moved by the origin.
    const float d = kRadius;
    const float bl = (rect.left - kRadius) - origin.h, br = (rect.right + kRadius) - origin.h;
    const float bt = (rect.top + kRadius) - origin.v, bb = (rect.bottom - kRadius) - origin.v;
    ExpectStroke(marks[4], 5, {{bl - d, bb}, {bl, bb}, {bl, bb - d}}, fresh);
    ExpectStroke(marks[5], 6, {{bl - d, bb - d}, {bl, bb}}, fresh);
    ExpectStroke(marks[6], 7, {{br + d, bb}, {br, bb}, {br, bb - d}}, fresh);
    ExpectStroke(marks[7], 8, {{bl - d, bt}, {bl, bt}, {bl, bt + d}}, fresh);
    ExpectStroke(marks[8], 9, {{br + d, bt}, {br, bt}, {br, bt + d}}, fresh);
  }

  void RemoveAll() {
    Run([] { RemoveCropMarks(); });
    ASSERT_TRUE(MarksByNumber().empty());
  }
};

TEST_F(ShapesTest, EveryMachineTypeWithItsDefaults) {
  for (const AIRealPoint origin : {AIRealPoint{0.0f, 0.0f}, AIRealPoint{100.25f, -37.5f}}) {
    SCOPED_TRACE("origin " + Printed(origin.h) + ", " + Printed(origin.v));
    for (std::int32_t type = 0; type < kMachineTypeCount; ++type) {
      Run([&] { LoadSettings(); });
      CheckSet(MachineTypeTable[type], origin);
      RemoveAll();
    }
  }
}

TEST_F(ShapesTest, OutOfRangeTypesAreLaidOutAsMB1) {
  for (std::int32_t type : {-1, 8, 255}) {
    CheckSet({1500, 2000, 17000, 21000, type}, {3.0f, 4.0f});
    RemoveAll();
  }
}

// The reference figures for the default settings, in page coordinates (ruler origin at the
// page's corner).
TEST_F(ShapesTest, PrintedFiguresOfTypeMB1) {
  UseSettings({1500, 2000, 17000, 21000, 3});
  Run([] { SetCropMarks(true); });
  const std::vector<Mark> marks = MarksByNumber();
  ASSERT_EQ(marks.size(), 3u);
  const char* centres[3][2] = {
      {"56.692913", "70.866142"}, {"538.582703", "70.866142"}, {"56.692913", "666.141724"}};
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(Printed(marks[i].segments[1].p.h), centres[i][0]);
    EXPECT_EQ(Printed(marks[i].segments[0].p.v), centres[i][1]);
  }
}

TEST_F(ShapesTest, PrintedFiguresOfTypeMB2) {
  UseSettings({1500, 2000, 17000, 21000, 4});
  Run([] { SetCropMarks(true); });
  const std::vector<Mark> marks = MarksByNumber();
  ASSERT_EQ(marks.size(), 9u);
  const char* centres[4][2] = {{"70.866142", "85.039368"},
                               {"552.755920", "85.039368"},
                               {"70.866142", "680.314941"},
                               {"552.755920", "680.314941"}};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(Printed(marks[i].segments[1].p.h), centres[i][0]);
    EXPECT_EQ(Printed(marks[i].segments[0].p.v), centres[i][1]);
  }
  const auto printed = [](const AIPathSegment& s) {
    return std::string("(").append(Printed(s.p.h)) + ", " + Printed(s.p.v) + ")";
  };
  const std::vector<AIPathSegment>& lowerLeft = marks[4].segments;
  ASSERT_EQ(lowerLeft.size(), 3u);
  EXPECT_EQ(printed(lowerLeft[0]), "(42.519684, 70.866142)");
  EXPECT_EQ(printed(lowerLeft[1]), "(56.692913, 70.866142)");
  EXPECT_EQ(printed(lowerLeft[2]), "(56.692913, 56.692913)");
  ASSERT_EQ(marks[5].segments.size(), 2u);
  EXPECT_EQ(printed(marks[5].segments[0]), "(42.519684, 56.692913)");
  EXPECT_EQ(printed(marks[5].segments[1]), "(56.692913, 70.866142)");
  ASSERT_EQ(marks[6].segments.size(), 3u);
  EXPECT_EQ(printed(marks[6].segments[1]), "(566.929138, 70.866142)");
  ASSERT_EQ(marks[7].segments.size(), 3u);
  EXPECT_EQ(printed(marks[7].segments[1]), "(56.692913, 694.488159)");
  ASSERT_EQ(marks[8].segments.size(), 3u);
  EXPECT_EQ(printed(marks[8].segments[1]), "(566.929138, 694.488159)");
  // The outer ends of the strokes lie at X and Y from the page's left and bottom edges.
  EXPECT_EQ(lowerLeft[0].p.h, HundredthsToPoints(1500));
  EXPECT_EQ(lowerLeft[2].p.v, HundredthsToPoints(2000));
}

// Each mark goes to the back of the current layer, so the last made is painted first.
TEST_F(ShapesTest, MarksGoBelowAllArtOfTheCurrentLayer) {
  standin::DocumentBuilder doc(host_.Documents());
  doc.Page(595.275574f, kA4Height).Layer("Sheet");
  doc.Rectangle("artwork", 100, 100, 50, 50);
  doc.Layer("Notes").CurrentLayer("Sheet");
  Run([] { SetCropMarks(true); });
  const standin::DocumentView view(host_.Documents());
  std::vector<std::string> order;
  for (AIArtHandle art : view.All()) {
    const std::string& name = view.Art(art).name;
    order.push_back(name.empty() ? view.TagValue(art, kCropMarkTag).value_or("?") : name);
    EXPECT_EQ(view.LayerTitle(art), "Sheet");
  }
  EXPECT_EQ(order, (std::vector<std::string>{"0003", "0002", "0001", "artwork"}));
}

// The builders used on their own: numbering from the caller, 16-bit numbers in four digits.
TEST_F(ShapesTest, BuildersNumberAsTold) {
  const AIPathStyle fresh = FreshStyle();
  SetPage(kA4Height, {10.0f, 20.0f});
  Run([] {
    AddRegistrationCircle(110.0f, 220.0f, kRadius, 42);
    AddCornerStrokes(10.0f, 120.0f, 110.0f, 20.0f, 9995);
  });
  const std::vector<Mark> marks = MarksByNumber();
  ASSERT_EQ(marks.size(), 6u);
  ExpectCircle(marks[0], 42, 100.0f, 200.0f, fresh);
  const float d = kRadius;
  ExpectStroke(marks[1], 9995, {{0.0f - d, 0.0f}, {0.0f, 0.0f}, {0.0f, 0.0f - d}}, fresh);
  ExpectStroke(marks[2], 9996, {{0.0f - d, 0.0f - d}, {0.0f, 0.0f}}, fresh);
  ExpectStroke(marks[3], 9997, {{100.0f + d, 0.0f}, {100.0f, 0.0f}, {100.0f, 0.0f - d}}, fresh);
  ExpectStroke(marks[4], 9998, {{0.0f - d, 100.0f}, {0.0f, 100.0f}, {0.0f, 100.0f + d}}, fresh);
  ExpectStroke(marks[5], 9999, {{100.0f + d, 100.0f}, {100.0f, 100.0f}, {100.0f, 100.0f + d}},
               fresh);
}

}  // namespace
}  // namespace cropmarks_test
