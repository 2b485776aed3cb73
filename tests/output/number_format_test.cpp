#include "output/number_format.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <cstdlib>

#include <clocale>
#include <cmath>
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

TEST(NumberFormat, RefusesTooSmallBuffer) {
  char text[4];
  EXPECT_EQ(FormatFixed6(text, text + sizeof text, 1.0), nullptr);
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
