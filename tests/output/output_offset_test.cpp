#include "output/output_offset.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "output/settings.h"
#include "output_fixture.h"

namespace output_test {
namespace {

std::string Printed(AIRealPoint point) {
  char text[64];
  std::snprintf(text, sizeof text, "%lf %lf", static_cast<double>(point.h),
                static_cast<double>(point.v));
  return text;
}

class OutputOffsetTest : public OutputTest {
 protected:
  AIRealPoint Offset(bool hasCropMarks) {
    AIRealPoint offset{};
    Run([&] { offset = ComputeOutputOffset(hasCropMarks); });
    return offset;
  }
};

TEST_F(OutputOffsetTest, WithoutCropMarksOnlyTheRulerOriginCounts) {
  Document().RulerOrigin(12.5f, -30.25f);
  for (std::int32_t type = -1; type <= 8; ++type) {
    gCropMarkSettings = {1, 2, 3, 4, type};
    EXPECT_EQ(Printed(Offset(false)), "12.500000 -30.250000") << type;
  }
}

TEST_F(OutputOffsetTest, DefaultsLowerEveryCoordinateByTheMargins) {
  gCropMarkSettings = {1500, 2000, 17000, 21000, 3};
  EXPECT_EQ(Printed(Offset(true)), "-42.519684 -56.692913");
}

TEST_F(OutputOffsetTest, EachMachineTypeShiftsAsItsMarksLieOnTheSheet) {
  // Ruler origin (12.5, -30.25), page height 792, the default lengths. Types 0 to 2 measure Y
  // from the top: dy = -30.25 - (792 - (2000 + 2 * 500 + 21000) hundredths in points). Types 4 to
  // 7 sit one radius (14.173228) further in.
  struct Case {
    std::int32_t type;
    const char* offset;
  };
  const Case cases[] = {{0, "-30.019684 -141.935059"}, {1, "-30.019684 -141.935059"},
                        {2, "-30.019684 -141.935059"}, {3, "-30.019684 -86.942917"},
                        {4, "-44.192913 -101.116142"}, {5, "-44.192913 -101.116142"},
                        {6, "-44.192913 -101.116142"}, {7, "-44.192913 -101.116142"},
                        {8, "-30.019684 -86.942917"},  {-1, "-30.019684 -86.942917"}};
  Document().RulerOrigin(12.5f, -30.25f);
  for (const Case& c : cases) {
    gCropMarkSettings = {1500, 2000, 17000, 21000, c.type};
    EXPECT_EQ(Printed(Offset(true)), c.offset) << "machine type " << c.type;
  }
}

TEST_F(OutputOffsetTest, PageHeightLessMarksIsNotRoundedOnItsOwn) {
  // Rounding 10000 - 680.314941 to float first would give -9219.385742.
  Document().RulerOrigin(0, 100.3f).Page(612, 10000);
  gCropMarkSettings = {1500, 2000, 17000, 21000, 0};
  EXPECT_EQ(Printed(Offset(true)), "-42.519684 -9219.384766");
}

TEST_F(OutputOffsetTest, HugeStoredLengthsDoNotOverflowTheirSum) {
  gCropMarkSettings = {0, 2000000000, 0, 2000000000, 0};
  Document().Page(612, 0);
  const AIRealPoint offset = Offset(true);
  // 4,000,001,000 hundredths of a millimetre, in points.
  EXPECT_FLOAT_EQ(offset.v, static_cast<float>(4000001000.0 * 72.0 / 25.4 / 100.0));
}

}  // namespace
}  // namespace output_test
