#include <gtest/gtest.h>

#include <optional>

#include "tools/kwhost/svg/svg_length.h"
#include "tools/kwhost/svg/svg_style.h"
#include "tools/kwhost/svg/svg_transform.h"

namespace {

struct LengthCase {
  const char* text;
  std::optional<double> points;
};

class Lengths : public ::testing::TestWithParam<LengthCase> {};

TEST_P(Lengths, ConvertToPoints) {
  const auto points = svg::LengthInPoints(GetParam().text);
  ASSERT_EQ(points.has_value(), GetParam().points.has_value()) << GetParam().text;
  if (points) {
    EXPECT_NEAR(*points, *GetParam().points, 1e-12) << GetParam().text;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Units, Lengths,
    ::testing::Values(LengthCase{"100", 75}, LengthCase{"100px", 75}, LengthCase{" 10pt ", 10},
                      LengthCase{"1pc", 12}, LengthCase{"1in", 72}, LengthCase{"25.4mm", 72},
                      LengthCase{"2.54cm", 72}, LengthCase{"1e1pt", 10}, LengthCase{"-4pt", -4},
                      LengthCase{"50%", std::nullopt}, LengthCase{"mm", std::nullopt},
                      LengthCase{"12 pt", std::nullopt}, LengthCase{"abc", std::nullopt}));

struct TransformCase {
  const char* text;
  double x, y;  // where (1, 2) goes
};

class Transforms : public ::testing::TestWithParam<TransformCase> {};

TEST_P(Transforms, MapAPointAsSvgSays) {
  const auto affine = svg::ParseTransform(GetParam().text);
  ASSERT_TRUE(affine.has_value()) << GetParam().text;
  const Geom::Point p = Geom::Point(1, 2) * *affine;
  EXPECT_NEAR(p[Geom::X], GetParam().x, 1e-9) << GetParam().text;
  EXPECT_NEAR(p[Geom::Y], GetParam().y, 1e-9) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Functions, Transforms,
    ::testing::Values(TransformCase{"", 1, 2}, TransformCase{"translate(10)", 11, 2},
                      TransformCase{"translate(10,-5)", 11, -3},
                      TransformCase{"translate(10-5)", 11, -3}, TransformCase{"scale(3)", 3, 6},
                      TransformCase{"scale(3 -1)", 3, -2}, TransformCase{"rotate(90)", -2, 1},
                      TransformCase{"rotate(90 1 1)", 0, 1},
                      TransformCase{"matrix(1 0 0 1 5 6)", 6, 8}, TransformCase{"skewX(45)", 3, 2},
                      TransformCase{"skewY(45)", 1, 3},
                      // The rightmost applies first: scale, then translate.
                      TransformCase{"translate(10,0) scale(2)", 12, 4},
                      TransformCase{"scale(2),translate(10,0)", 22, 4}));

TEST(Transforms, MalformedListsAreRejected) {
  for (const char* text : {"translate(", "spin(3)", "scale(1,2,3)", "translate(a)", "(1)"}) {
    EXPECT_FALSE(svg::ParseTransform(text).has_value()) << text;
  }
}

struct PaintCase {
  const char* text;
  bool understood;
  bool on;
  double red, green, blue;
};

class Paints : public ::testing::TestWithParam<PaintCase> {};

TEST_P(Paints, Parse) {
  const auto paint = svg::ParsePaint(GetParam().text);
  ASSERT_EQ(paint.has_value(), GetParam().understood) << GetParam().text;
  if (!paint) return;
  EXPECT_EQ(paint->on, GetParam().on);
  EXPECT_NEAR(paint->red, GetParam().red, 1e-9);
  EXPECT_NEAR(paint->green, GetParam().green, 1e-9);
  EXPECT_NEAR(paint->blue, GetParam().blue, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(Colours, Paints,
                         ::testing::Values(PaintCase{"none", true, false, 0, 0, 0},
                                           PaintCase{"#f00", true, true, 1, 0, 0},
                                           PaintCase{"#0000ff", true, true, 0, 0, 1},
                                           PaintCase{"rgb(255, 0, 51)", true, true, 1, 0, 0.2},
                                           PaintCase{"rgb(100%, 12.5%, 0.25%)", true, true, 1,
                                                     0.125, 0.0025},
                                           PaintCase{"rgb(300, -4, 127.5)", true, true, 1, 0, 0.5},
                                           PaintCase{"rgb(1, 2)", false, false, 0, 0, 0},
                                           PaintCase{"rgb(1, 2, 3, 4)", false, false, 0, 0, 0},
                                           PaintCase{"rgb(1, x%, 3)", false, false, 0, 0, 0},
                                           PaintCase{"red", true, true, 1, 0, 0},
                                           PaintCase{"url(#g)", false, false, 0, 0, 0},
                                           PaintCase{"#12", false, false, 0, 0, 0}));

}  // namespace
