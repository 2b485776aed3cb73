#include "output/number_format.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <cstdlib>

#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>
#include <random>
#include <string>

namespace {

std::string Ours(double value) {
  char text[kMaxFixedNumberLength + 1];
  char* end = FormatFixed6(text, text + sizeof text, value);
  return end == nullptr ? "<no room>" : std::string(text, end);
}

std::string Printf(double value) {
  char text[kMaxFixedNumberLength + 16];
  std::snprintf(text, sizeof text, "%lf", value);
  return text;
}

TEST(NumberFormat, SpecialValuesPrintAsPrintfDoes) {
  const double values[] = {0.0,
                           -0.0,
                           -1e-9,
                           1e-9,
                           0.0000005,
                           -0.0000005,
                           0.0000015,
                           0.0078125,  // an exact tie at the seventh decimal
                           -0.0078125,
                           0.5,
                           2.5e-7,
                           1.0 / 3.0,
                           123.456789,
                           9999999.999999,
                           1e15,
                           -1e15,
                           1e300,
                           std::numeric_limits<double>::max(),
                           -std::numeric_limits<double>::max(),
                           std::numeric_limits<double>::denorm_min(),
                           -std::numeric_limits<double>::denorm_min(),
                           static_cast<double>(std::numeric_limits<float>::max()) * 2};
  for (double value : values) EXPECT_EQ(Ours(value), Printf(value)) << value;
  EXPECT_EQ(Ours(-0.0), "-0.000000");
  EXPECT_EQ(Ours(-1e-9), "-0.000000");
  EXPECT_EQ(Ours(0.0), "0.000000");
}

TEST(NumberFormat, SumsOfFloatsAtEveryScalePrintAsPrintfDoes) {
  // Printed coordinates are a host float plus an offset float, added in double.
  std::mt19937 random(20240611);
  std::uniform_real_distribution<float> mantissa(-1.0f, 1.0f);
  std::uniform_int_distribution<int> exponent(-30, 40);
  int checked = 0;
  for (int i = 0; i < 300000; ++i) {
    const float a = std::ldexp(mantissa(random), exponent(random));
    const float b = std::ldexp(mantissa(random), exponent(random));
    const double value = static_cast<double>(a) + static_cast<double>(b);
    ASSERT_EQ(Ours(value), Printf(value)) << a << " + " << b;
    ++checked;
  }
  EXPECT_EQ(checked, 300000);
}

TEST(NumberFormat, EveryRawBitPatternOfSmallDoublesPrintsAsPrintfDoes) {
  std::mt19937_64 random(7);
  for (int i = 0; i < 200000; ++i) {
    // Exponents from about 2^-30 to 2^60, any mantissa and sign.
    const std::uint64_t bits = (random() & 0x800FFFFFFFFFFFFFull) |
                               (static_cast<std::uint64_t>(993 + random() % 90) << 52);
    double value;
    std::memcpy(&value, &bits, sizeof value);
    ASSERT_EQ(Ours(value), Printf(value)) << std::hexfloat << value;
  }
}

TEST(NumberFormat, ExactTiesAtTheSeventhDecimalRoundToEven) {
  // n + k/128 with k odd is exactly half way between two sixth decimals.
  const double wholes[] = {
      0, 1, 2, 7, 1000, 123456, 8796093022207.0, 8796093022208.0, 17592186044415.0};
  int ties = 0;
  for (const double whole : wholes) {
    for (int k = 1; k < 128; k += 2) {
      for (const double value : {whole + k / 128.0, -(whole + k / 128.0)}) {
        ASSERT_EQ(Ours(value), Printf(value)) << std::hexfloat << value;
        ++ties;
      }
    }
  }
  EXPECT_EQ(ties, 9 * 64 * 2);
  EXPECT_EQ(Ours(1.0 / 128), "0.007812");
  EXPECT_EQ(Ours(3.0 / 128), "0.023438");
}

TEST(NumberFormat, NeighboursOfHalfwayPointsAndOfLargeMagnitudesPrintAsPrintfDoes) {
  std::mt19937_64 random(11);
  std::uniform_int_distribution<std::int64_t> micro(0, 8796093022207999999);
  for (int i = 0; i < 100000; ++i) {
    // Nearest doubles to a half-way point and their neighbours: the rounding decision is closest.
    const double half = (static_cast<double>(micro(random)) + 0.5) / 1e6;
    for (const double value : {std::nextafter(half, 0.0), half, std::nextafter(half, 1e300)}) {
      ASSERT_EQ(Ours(value), Printf(value)) << std::hexfloat << value;
    }
  }
  const double limit = 8796093022208.0;  // 2^43
  for (const double value : {std::nextafter(limit, 0.0), limit, std::nextafter(limit, 1e300),
                             -std::nextafter(limit, 0.0), -limit, 4503599627370495.5,
                             9007199254740993.0, 1.8446744073709552e19, 1e22}) {
    EXPECT_EQ(Ours(value), Printf(value)) << std::hexfloat << value;
  }
}

TEST(NumberFormat, WritesOnlyWhenTheWholeNumberFits) {
  struct Case {
    double value;
    std::size_t length;
  };
  for (const Case& c : {Case{1.0, 8}, Case{-123.456, 11}, Case{8796093022207.5, 20},
                        Case{-8796093022207.5, 21}, Case{1e15, 23}}) {
    const std::string expected = Printf(c.value);
    ASSERT_EQ(expected.size(), c.length);
    for (std::size_t room = 0; room <= c.length + 4; ++room) {
      char text[40];
      std::memset(text, '#', sizeof text);
      char* end = FormatFixed6(text, text + room, c.value);
      if (room < c.length) {
        EXPECT_EQ(end, nullptr) << c.value << " in " << room;
      } else {
        ASSERT_NE(end, nullptr) << c.value << " in " << room;
        EXPECT_EQ(std::string(text, end), expected);
      }
      EXPECT_EQ(text[room], '#') << "wrote past the end: " << c.value << " in " << room;
    }
  }
}

// A locale whose decimal separator is a comma: the system's, or one compiled for the test from
// the system's locale sources (package "locales") when none is installed.
bool UseCommaLocale() {
  if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8") != nullptr) return true;
  const std::string folder = std::string(KW_BINARY_DIR) + "/test-locales";
  const std::string command = "mkdir -p '" + folder + "' && localedef -i de_DE -f UTF-8 '" +
                              folder + "/de_DE.UTF-8' >/dev/null 2>&1";
  if (std::system(command.c_str()) != 0) return false;
  setenv("LOCPATH", folder.c_str(), 1);
  return std::setlocale(LC_NUMERIC, "de_DE.UTF-8") != nullptr;
}

TEST(NumberFormat, DecimalPointStaysDotInACommaLocale) {
  const char* previous = std::setlocale(LC_NUMERIC, nullptr);
  const std::string saved = previous ? previous : "C";
  ASSERT_TRUE(UseCommaLocale()) << "no de_DE.UTF-8 locale, and none could be compiled";
  EXPECT_EQ(Printf(1.5), "1,500000");  // the locale is really in force
  EXPECT_EQ(Ours(1.5), "1.500000");
  EXPECT_EQ(Ours(-42.519684), "-42.519684");
  std::setlocale(LC_NUMERIC, saved.c_str());
}

}  // namespace
