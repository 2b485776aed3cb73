#include <gtest/gtest.h>

#include <optional>

#include "support/param_names.h"
#include "tools/kwhost/svg/svg_length.h"
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
                      LengthCase{"12 pt", std::nullopt}, LengthCase{"abc", std::nullopt}),
    test_support::NameBy(&LengthCase::text));

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
                      TransformCase{"scale(2),translate(10,0)", 22, 4}),
    test_support::NameBy(&TransformCase::text));

TEST(Transforms, MalformedListsAreRejected) {
  for (const char* text : {"translate(", "spin(3)", "scale(1,2,3)", "translate(a)", "(1)"}) {
    EXPECT_FALSE(svg::ParseTransform(text).has_value()) << text;
  }
}

}  // namespace
