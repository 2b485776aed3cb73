#include <gtest/gtest.h>

#include "support/param_names.h"
#include "tools/kwhost/svg/svg_colour.h"
#include "tools/kwhost/svg/svg_paint.h"

namespace {

struct ColourCase {
  const char* text;
  bool understood;
  double red, green, blue;
};

class Colours : public ::testing::TestWithParam<ColourCase> {};

TEST_P(Colours, Parse) {
  const auto colour = svg::ParseColour(GetParam().text);
  ASSERT_EQ(colour.has_value(), GetParam().understood) << GetParam().text;
  if (!colour) return;
  EXPECT_TRUE(colour->on);
  EXPECT_NEAR(colour->red, GetParam().red, 1e-9) << GetParam().text;
  EXPECT_NEAR(colour->green, GetParam().green, 1e-9) << GetParam().text;
  EXPECT_NEAR(colour->blue, GetParam().blue, 1e-9) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Forms, Colours,
    ::testing::Values(
        ColourCase{"#f00", true, 1, 0, 0}, ColourCase{"#0000ff", true, 0, 0, 1},
        ColourCase{"#F008", true, 1, 0, 0}, ColourCase{"#00ff0080", true, 0, 1, 0},
        ColourCase{"#12", false, 0, 0, 0}, ColourCase{"#ggg", false, 0, 0, 0},
        ColourCase{"rgb(255, 0, 51)", true, 1, 0, 0.2},
        ColourCase{"rgb(100%, 12.5%, 0.25%)", true, 1, 0.125, 0.0025},
        ColourCase{"rgb(300, -4, 127.5)", true, 1, 0, 0.5},
        ColourCase{"rgba(255, 0, 0, 0.5)", true, 1, 0, 0},
        ColourCase{"rgb(0 255 0 / 50%)", true, 0, 1, 0}, ColourCase{"RGB(0,0,255)", true, 0, 0, 1},
        ColourCase{"rgb(1, 2)", false, 0, 0, 0}, ColourCase{"rgb(1, x%, 3)", false, 0, 0, 0},
        ColourCase{"rgb(1,,2,3)", false, 0, 0, 0}, ColourCase{"hsl(120, 100%, 50%)", true, 0, 1, 0},
        ColourCase{"hsla(240deg, 100%, 25%, 0.3)", true, 0, 0, 0.5},
        ColourCase{"hsl(0.5turn 100% 50%)", true, 0, 1, 1},
        ColourCase{"hsl(120, 100, 50)", false, 0, 0, 0},
        // Keywords of every kind, in any case; the ones that differ from X11's names.
        ColourCase{"red", true, 1, 0, 0}, ColourCase{"Black", true, 0, 0, 0},
        ColourCase{"SILVER", true, 0.75294117647058822, 0.75294117647058822, 0.75294117647058822},
        ColourCase{"gray", true, 128 / 255.0, 128 / 255.0, 128 / 255.0},
        ColourCase{"green", true, 0, 128 / 255.0, 0},
        ColourCase{"lightGoldenrodYellow", true, 250 / 255.0, 250 / 255.0, 210 / 255.0},
        ColourCase{"yellowgreen", true, 154 / 255.0, 205 / 255.0, 50 / 255.0},
        ColourCase{"aliceblue", true, 240 / 255.0, 248 / 255.0, 1},
        ColourCase{"rebeccapurple", true, 0.4, 0.2, 0.6}, ColourCase{"transparent", true, 0, 0, 0},
        ColourCase{"bluish", false, 0, 0, 0}),
    test_support::NameBy(&ColourCase::text));

struct PaintCase {
  const char* text;
  bool understood;
  svg::PaintSpec::Kind kind;
  const char* server;
  bool fallbackGiven;
};

class Paints : public ::testing::TestWithParam<PaintCase> {};

TEST_P(Paints, Parse) {
  const auto paint = svg::ParsePaint(GetParam().text);
  ASSERT_EQ(paint.has_value(), GetParam().understood) << GetParam().text;
  if (!paint) return;
  EXPECT_EQ(paint->kind, GetParam().kind) << GetParam().text;
  EXPECT_EQ(paint->server, GetParam().server) << GetParam().text;
  EXPECT_EQ(paint->fallbackGiven, GetParam().fallbackGiven) << GetParam().text;
}

using Kind = svg::PaintSpec::Kind;

INSTANTIATE_TEST_SUITE_P(
    Values, Paints,
    ::testing::Values(PaintCase{"none", true, Kind::kNone, "", false},
                      PaintCase{" #fff ", true, Kind::kColour, "", false},
                      PaintCase{"currentColor", true, Kind::kCurrentColor, "", false},
                      PaintCase{"context-stroke", true, Kind::kContextStroke, "", false},
                      PaintCase{"context-fill", true, Kind::kContextFill, "", false},
                      PaintCase{"url(#g)", true, Kind::kNone, "g", false},
                      PaintCase{"url('#g') red", true, Kind::kColour, "g", true},
                      PaintCase{"url(#g) none", true, Kind::kNone, "g", true},
                      PaintCase{"url(other.svg#g)", false, Kind::kNone, "", false},
                      PaintCase{"url(#g) bluish", false, Kind::kNone, "", false},
                      PaintCase{"bluish", false, Kind::kNone, "", false}),
    test_support::NameBy(&PaintCase::text));

}  // namespace
