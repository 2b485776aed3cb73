// The path data reader against lib2geom's, an independent reader: the same anchors, handles,
// corners and closing for every command; and SVG's rule for broken data.
#include <2geom/svg-path-parser.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <random>
#include <string>

#include "support/param_names.h"
#include "tools/kwhost/svg/path_data_parser.h"
#include "tools/kwhost/svg/svg_geometry.h"

namespace {

// Turned, sheared, flipped and moved: every term of the mapping matters.
const Geom::Affine kTransform(0.75, 0.125, -0.25, -0.75, 10, 800);

// Arcs are worked out differently by the two readers (lib2geom's centre of an arc whose radii had
// to grow wanders by 1e-8); everything else must match to the bit.
void ExpectSameOutline(const std::vector<svg::Subpath>& got, const std::vector<svg::Subpath>& want,
                       double tolerance) {
  ASSERT_EQ(got.size(), want.size());
  for (std::size_t i = 0; i < got.size(); ++i) {
    SCOPED_TRACE("subpath " + std::to_string(i));
    EXPECT_EQ(got[i].closed, want[i].closed);
    ASSERT_EQ(got[i].anchors.size(), want[i].anchors.size());
    for (std::size_t k = 0; k < got[i].anchors.size(); ++k) {
      SCOPED_TRACE("anchor " + std::to_string(k));
      const svg::Anchor &a = got[i].anchors[k], &b = want[i].anchors[k];
      for (const auto& [p, q] : {std::pair{a.p, b.p}, {a.in, b.in}, {a.out, b.out}}) {
        EXPECT_NEAR(p.x, q.x, tolerance);
        EXPECT_NEAR(p.y, q.y, tolerance);
      }
      EXPECT_EQ(a.corner, b.corner);
    }
  }
}

// lib2geom keeps a subpath that only moves, closed or not; SVG draws nothing there.
std::vector<svg::Subpath> ByLib2geom(const std::string& data) {
  std::vector<svg::Subpath> drawn = svg::ToSubpaths(Geom::parse_svg_path(data.c_str()), kTransform);
  std::erase_if(drawn, [](const svg::Subpath& subpath) {
    const svg::Anchor& first = subpath.anchors.front();
    return subpath.anchors.size() == 1 && first.in == first.p && first.out == first.p;
  });
  return drawn;
}

struct SameCase {
  const char* data;
  // What lib2geom is given when it cannot read `data` itself; null: `data`.
  const char* reference = nullptr;
};

class SameAsLib2geom : public testing::TestWithParam<SameCase> {};

TEST_P(SameAsLib2geom, AnchorsHandlesCornersAndClosing) {
  const SameCase& c = GetParam();
  const svg::PathOutline outline = svg::ParsePathData(c.data, kTransform);
  ASSERT_FALSE(outline.error) << outline.error->message << " at " << outline.error->offset;
  const std::string data = c.data;
  const bool arc = data.find_first_of("Aa") != std::string::npos;
  ExpectSameOutline(outline.subpaths, ByLib2geom(c.reference ? c.reference : c.data),
                    arc ? 1e-7 : 0);
}

INSTANTIATE_TEST_SUITE_P(
    Commands, SameAsLib2geom,
    testing::Values(
        // Lines, absolute and relative, with implicit repeats after a move.
        SameCase{"M10 20 L30 40"}, SameCase{"m10 20 l30 40 -5 5"},
        SameCase{"M0,0 H10 V10 h-5 v-5 Z"}, SameCase{"M0 0 10 0 10 10"},
        SameCase{"m5 5 10 0 0 10 z"}, SameCase{"M0,0,10,0,10,10"},
        // Cubics and smooth cubics: the handle reflected, or the current point after no cubic.
        SameCase{"M0 0 C10 0 20 10 30 10 S50 20 60 0"},
        SameCase{"M0 0 c10 0 20 10 30 10 s20 10 30 -10 10 10 20 0"}, SameCase{"M0 0 S10 10 20 0"},
        SameCase{"M0 0 Q10 10 20 0 S30 10 40 0"},
        // Quadratics raised to cubics, smooth ones reflecting the previous control point.
        SameCase{"M0 0 Q10 10 20 0 T40 0 60 0"}, SameCase{"M0 0 q10 10 20 0 t20 0"},
        SameCase{"M0 0 T10 10"}, SameCase{"M0 0 C10 0 20 10 30 10 T50 0"},
        // Arcs: quarter-turn pieces, radii grown to reach, zero radius a line, no arc to itself.
        SameCase{"M10 50 A10 10 0 0 1 30 50"}, SameCase{"M10 50 a10 10 0 1 0 20 0"},
        SameCase{"M0 0 A30 20 30 0 1 50 25"}, SameCase{"M0 0 A30 20 30 1 1 50 25"},
        SameCase{"M0 0 A10 20 -45 1 0 10 10"}, SameCase{"M0 0 A5 5 0 0 1 100 0"},
        SameCase{"M0 0 A10 10 720 0 1 5 5"}, SameCase{"M0 0 A0 10 0 0 1 10 10"},
        SameCase{"M0 0 L5 5 A10 10 0 0 1 5 5 L9 0"}, SameCase{"M0 0 a1 1 0 01 5 5"},
        SameCase{"M0 0 a10,10 0 1,1 5,5 10 10 0 0015 5"},
        SameCase{"M0 0 a-10 -10 0 0 1 20 0", "M0 0 a10 10 0 0 1 20 0"},
        SameCase{"M0 0 A10 10 0 0 1 20 0 A10 10 0 0 1 0 0 Z"},
        // Numbers in every form the grammar allows.
        SameCase{"M.5.5L1e1-1E-1"}, SameCase{"M+1-2l-.5+.5 3.e1 1"}, SameCase{"M1.5e+1,2"},
        SameCase{"M0.1 0.2 L1234567.891 0.000001 9007199254740993 0.12345678901234567890123"},
        SameCase{"M1e-400 0 L1e300 -1e-7"}, SameCase{"  M1 1\tL2 2\r\n3 3 \n"}, SameCase{""},
        SameCase{" \n"},
        // Closing: no duplicated last anchor; drawing on after a close starts at the start.
        SameCase{"M0 0 L10 0 L10 10 L0 0 Z"}, SameCase{"M0 0 L10 0 L10 10 Z"},
        SameCase{"M0 0 C5 5 10 5 0 0 Z"}, SameCase{"M0 0 C0 -5 10 -5 10 0 C10 5 0 5 0 0 z"},
        SameCase{"M0 0 L10 0 10 10 z l5 5 z"}, SameCase{"M0 0 L10 0 Z M20 0 L30 0 Z"},
        SameCase{"M0 0 L10 0 L10 10 z m5 5 l1 1"}, SameCase{"M0 0 Z"}, SameCase{"M1 1 M2 2"},
        SameCase{"M0 0 L10 0 z z"}, SameCase{"M0 0 L0 0 Z"}, SameCase{"M0 0 C-9 9 9 9 0 0 Z"},
        SameCase{"M0 0 C10 0 20 10 30 10 Z S50 20 60 0"},
        // Corners: smooth where the handles line up through the anchor, even when flipped.
        SameCase{"M0 0 C0 10 10 10 10 0 C10 -10 20 -10 20 0"},
        SameCase{"M0 0 C0 10 10 10 10 0 C10 -10 20 -10 20 0 C20 10 0 -10 0 0 Z"}),
    test_support::NameBy(&SameCase::data));

// Radii grown just to reach (keeping their ratio) make exactly a half turn: two pieces.
TEST(PathDataParser, ArcWhoseRadiiMustGrowIsAHalfTurnInTwoPieces) {
  const svg::PathOutline outline = svg::ParsePathData("M0 0 A1 2 0 0 1 10 0", Geom::identity());
  ASSERT_EQ(outline.subpaths.size(), 1u);
  const auto& anchors = outline.subpaths[0].anchors;
  ASSERT_EQ(anchors.size(), 3u);
  EXPECT_NEAR(anchors[1].p.x, 5, 1e-12);
  EXPECT_NEAR(anchors[1].p.y, -10, 1e-12);
  EXPECT_FALSE(anchors[1].corner);
}

// Numbers written every way a program writes them: every one must round as the library does.
TEST(PathDataParser, ReadsNumbersExactlyAsTheLibraryDoes) {
  std::mt19937_64 random(12);
  std::uniform_real_distribution<double> value(-2000, 2000);
  std::uniform_int_distribution<int> format(0, 4);
  constexpr const char* kFormats[] = {"%.3f", "%.17g", "%.6e", "%.0f", "%.12g"};
  std::string data = "M0 0 L";
  char number[64];
  for (int i = 0; i < 4000; ++i) {
    std::snprintf(number, sizeof number, kFormats[format(random)], value(random));
    data += number;
    data += i % 2 == 0 ? "," : " ";
  }
  const svg::PathOutline outline = svg::ParsePathData(data, kTransform);
  ASSERT_FALSE(outline.error);
  ExpectSameOutline(outline.subpaths, ByLib2geom(data), 0);
}

struct BrokenCase {
  const char* data;
  const char* readable;  // the data before the command that holds the error
  std::size_t offset;
  const char* message;
};

class BrokenData : public testing::TestWithParam<BrokenCase> {};

TEST_P(BrokenData, DrawsUpToTheCommandInErrorAndSaysWhereAndWhy) {
  const BrokenCase& c = GetParam();
  const svg::PathOutline outline = svg::ParsePathData(c.data, kTransform);
  ASSERT_TRUE(outline.error);
  EXPECT_EQ(outline.error->offset, c.offset);
  EXPECT_EQ(outline.error->message, c.message);
  ExpectSameOutline(outline.subpaths, ByLib2geom(c.readable), 0);
}

constexpr char kNumber[] = "a number was expected";
constexpr char kCommand[] = "a path command was expected";

INSTANTIATE_TEST_SUITE_P(
    Errors, BrokenData,
    testing::Values(BrokenCase{"M0,0 L1", "M0,0", 7, kNumber},
                    BrokenCase{"M0 0 L10 10 20", "M0 0 L10 10", 14, kNumber},
                    BrokenCase{" L10 10", "", 1, "path data must begin with M or m"},
                    BrokenCase{"M0 0 L10 10 X 5", "M0 0 L10 10", 12, kCommand},
                    BrokenCase{"M0 0 L10,,10", "M0 0", 9, kNumber},
                    BrokenCase{"M0 0 L,10 10", "M0 0", 6, kNumber},
                    BrokenCase{"M0 0 a1 1 0 2 1 5 5", "M0 0", 12,
                               "an arc flag (0 or 1) was expected"},
                    BrokenCase{"M0 0 L1e 5", "M0 0", 8, kNumber},
                    BrokenCase{"M0 0 L5 5 Z 5 5", "M0 0 L5 5 Z", 12, kCommand},
                    BrokenCase{"M0 0 L5 5, Z", "M0 0 L5 5", 11, kNumber},
                    BrokenCase{"M0 0 L- 5", "M0 0", 7, kNumber},
                    BrokenCase{"M0 0 L1e999 0", "M0 0", 6, "the number is too large"}),
    test_support::NameBy(&BrokenCase::data));

// Moves that draw nothing leave no subpath behind, wherever they stand.
TEST(PathDataParser, SubpathsThatOnlyMoveDrawNothing) {
  constexpr struct {
    const char* data;
    std::size_t subpaths;
  } kCases[] = {{"M1 1", 0},
                {"m1 1 2 2", 1},
                {"M1 1 M2 2", 0},
                {"M0 0 L5 5 M9 9", 1},
                {"M0 0 L5 0 z m 0 0", 1},
                {"M0 0 L5 5 M1 1 L", 1},
                {"M0 0 Z", 0},
                {"M0 0 L0 0 Z", 0},
                {"M0 0 L5 0 Z M7 7 Z", 1},
                {"M0 0 C-9 9 9 9 0 0 Z", 1}};
  for (const auto& c : kCases) {
    EXPECT_EQ(svg::ParsePathData(c.data, kTransform).subpaths.size(), c.subpaths) << c.data;
  }
}

TEST(PathDataParser, BrokenPathDataInADrawingDrawsUpToTheErrorAndSaysWhere) {
  pugi::xml_document document;
  document.load_string(("<path d=\"M0,0 L10,10 " + std::string(100, '1') + "x\"/>").c_str());
  std::string broken;
  const auto subpaths = svg::ShapeSubpaths(document.first_child(), {}, kTransform, broken);
  EXPECT_EQ(broken,
            "\"..." + std::string(40, '1') + "x\" (a number was expected at character 113)");
  ExpectSameOutline(subpaths, ByLib2geom("M0,0 L10,10"), 0);
}

}  // namespace
