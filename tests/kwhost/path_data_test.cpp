#include <gtest/gtest.h>

#include <bit>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "standin/scenario/shapes.h"
#include "support/param_names.h"
#include "tools/kwhost/path_data.h"

namespace {

AIPathSegment Smooth(AIReal x, AIReal y, AIReal dx) {
  return AIPathSegment{{x, y}, {x - dx, y}, {x + dx, y}, 0};
}

struct PathCase {
  const char* what;
  std::vector<AIPathSegment> segments;
  bool closed;
  const char* data;
};

class PathDataCases : public ::testing::TestWithParam<PathCase> {};

TEST_P(PathDataCases, WritesAbsoluteCommands) {
  const auto data = kwhost::PathData(GetParam().segments, GetParam().closed);
  ASSERT_TRUE(data.has_value());
  EXPECT_EQ(*data, GetParam().data);
}

using standin::CornerPoint;

INSTANTIATE_TEST_SUITE_P(
    Shapes, PathDataCases,
    ::testing::Values(PathCase{"nothing", {}, true, ""},
                      PathCase{"open polyline",
                               {CornerPoint(0, 0), CornerPoint(10, 0), CornerPoint(10, 5)},
                               false,
                               "M0,0 L10,0 L10,5"},
                      // The straight way back to the start is "Z" alone.
                      PathCase{"closed triangle",
                               {CornerPoint(0, 0), CornerPoint(10, 0), CornerPoint(10, 5)},
                               true,
                               "M0,0 L10,0 L10,5 Z"},
                      PathCase{"curve out of a corner",
                               {CornerPoint(0, 0), Smooth(10, 5, 2)},
                               false,
                               "M0,0 C0,0 8,5 10,5"},
                      PathCase{"curved closing segment",
                               {Smooth(0, 0, 1), CornerPoint(10, 0)},
                               true,
                               "M0,0 C1,0 10,0 10,0 C10,0 -1,0 0,0 Z"},
                      // Without the explicit piece a reader would drop the repeated anchor.
                      PathCase{"last anchor on the first",
                               {CornerPoint(0, 0), CornerPoint(10, 0), CornerPoint(0, 0)},
                               true,
                               "M0,0 L10,0 L0,0 C0,0 0,0 0,0 Z"},
                      PathCase{
                          "one anchor, closed", {Smooth(3, 4, 1)}, true, "M3,4 C4,4 2,4 3,4 Z"},
                      PathCase{"one anchor, open", {Smooth(3, 4, 1)}, false, "M3,4"},
                      PathCase{"fractions and negatives",
                               {CornerPoint(0.1f, -2.5f), CornerPoint(1e-7f, 123456.79f)},
                               false,
                               "M0.1,-2.5 L1e-07,123456.79"}),
    test_support::NameBy(&PathCase::what));

TEST(PathData, RefusesValuesThatAreNotNumbers) {
  const AIReal nan = std::numeric_limits<AIReal>::quiet_NaN();
  const AIReal inf = std::numeric_limits<AIReal>::infinity();
  EXPECT_FALSE(kwhost::PathData({CornerPoint(0, 0), CornerPoint(nan, 1)}, false));
  AIPathSegment handle = CornerPoint(0, 0);
  handle.out.v = inf;
  EXPECT_FALSE(kwhost::PathData({handle, CornerPoint(1, 1)}, false));
}

// Every finite float, read back as a double and rounded, must be itself: a sample of bit patterns
// over the whole range, and the neighbours of some everyday values.
TEST(FormatReal, ReadsBackAsTheSameFloat) {
  std::mt19937 random(7);
  std::vector<AIReal> values = {0.1f,       1.0f / 3, 595.2756f, 841.8898f,
                                14.173228f, 1e-38f,   3.4e38f,   -7.827658f};
  for (int i = 0; i < 200000; ++i) {
    const AIReal value = std::bit_cast<AIReal>(static_cast<std::uint32_t>(random()));
    if (std::isfinite(value)) values.push_back(value);
  }
  for (const AIReal base : {0.1f, 56.692913f, 792.0f}) {
    AIReal value = base;
    for (int i = 0; i < 1000; ++i) values.push_back(value = std::nextafter(value, 1e9f));
  }
  int wrong = 0;
  for (const AIReal value : values) {
    const std::string text = kwhost::FormatReal(value);
    const auto back = static_cast<AIReal>(std::strtod(text.c_str(), nullptr));
    if (std::bit_cast<std::uint32_t>(back) != std::bit_cast<std::uint32_t>(value) && ++wrong < 5) {
      ADD_FAILURE() << text << " does not read back as " << value;
    }
  }
  EXPECT_EQ(wrong, 0);
  EXPECT_EQ(kwhost::FormatReal(0.1f), "0.1") << "the short form where it is exact";
}

}  // namespace
