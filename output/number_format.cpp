#include "output/number_format.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <system_error>

namespace {

constexpr int kDecimals = 6;
constexpr std::uint64_t kScale = 1000000;

// Below this magnitude the scaled value fits 64 bits, and the exact computation below applies;
// larger values are rare and go to the library.
constexpr double kExactLimit = 8796093022208.0;  // 2^43
// Sign, 13 integer digits, point, six decimals.
constexpr std::ptrdiff_t kExactLength = 21;

// An unsigned 128-bit number in two halves: 32-bit targets have no native type for it.
struct Wide {
  std::uint64_t high;
  std::uint64_t low;
};

Wide Multiply(std::uint64_t a, std::uint64_t b) {
  const std::uint64_t aLow = a & 0xFFFFFFFFu, aHigh = a >> 32;
  const std::uint64_t bLow = b & 0xFFFFFFFFu, bHigh = b >> 32;
  const std::uint64_t lowLow = aLow * bLow;
  const std::uint64_t highLow = aHigh * bLow;
  const std::uint64_t lowHigh = aLow * bHigh;
  const std::uint64_t middle = (lowLow >> 32) + (highLow & 0xFFFFFFFFu) + (lowHigh & 0xFFFFFFFFu);
  return {aHigh * bHigh + (highLow >> 32) + (lowHigh >> 32) + (middle >> 32),
          (middle << 32) | (lowLow & 0xFFFFFFFFu)};
}

// The low `bits` bits of `value`, 0 < bits < 128.
Wide LowBits(Wide value, int bits) {
  if (bits >= 64) {
    return {bits == 64 ? 0 : value.high & ((std::uint64_t{1} << (bits - 64)) - 1), value.low};
  }
  return {0, value.low & ((std::uint64_t{1} << bits) - 1)};
}

// `value` shifted right by `bits`, 0 < bits < 128, when the result fits 64 bits.
std::uint64_t ShiftRight(Wide value, int bits) {
  if (bits >= 64) return bits == 64 ? value.high : value.high >> (bits - 64);
  return (value.low >> bits) | (value.high << (64 - bits));
}

int Compare(Wide a, Wide b) {
  if (a.high != b.high) return a.high < b.high ? -1 : 1;
  if (a.low != b.low) return a.low < b.low ? -1 : 1;
  return 0;
}

Wide PowerOfTwo(int bits) {
  return bits >= 64 ? Wide{std::uint64_t{1} << (bits - 64), 0} : Wide{0, std::uint64_t{1} << bits};
}

// magnitude * 10^6 rounded to the nearest integer, ties to even, as printf rounds the exact
// binary value; magnitude is finite, not negative and below kExactLimit.
std::uint64_t ScaledAndRounded(double magnitude) {
  std::uint64_t bits;
  std::memcpy(&bits, &magnitude, sizeof bits);
  const int biased = static_cast<int>(bits >> 52);
  std::uint64_t mantissa = bits & ((std::uint64_t{1} << 52) - 1);
  int exponent = biased - 1075;
  if (biased == 0) {
    exponent = -1074;  // subnormal
  } else {
    mantissa |= std::uint64_t{1} << 52;
  }
  if (mantissa == 0) return 0;
  if (exponent >= 0) return (mantissa << exponent) * kScale;
  const int shift = -exponent;
  // mantissa * 10^6 < 2^73: a shift beyond 74 leaves less than a half.
  if (shift > 74) return 0;
  const Wide product = Multiply(mantissa, kScale);
  const std::uint64_t quotient = ShiftRight(product, shift);
  const int order = Compare(LowBits(product, shift), PowerOfTwo(shift - 1));
  return quotient + ((order > 0 || (order == 0 && (quotient & 1) != 0)) ? 1 : 0);
}

// "00" to "99": digits are written two at a time.
constexpr struct DigitPairs {
  char text[200];
  constexpr DigitPairs() : text() {
    for (int i = 0; i < 100; ++i) {
      text[2 * i] = static_cast<char>('0' + i / 10);
      text[2 * i + 1] = static_cast<char>('0' + i % 10);
    }
  }
} kDigitPairs;

void WritePair(char* out, std::uint64_t pair) {
  std::memcpy(out, kDigitPairs.text + 2 * pair, 2);
}

char* WriteWhole(char* out, std::uint64_t value) {
  int digits = 1;
  for (std::uint64_t rest = value; rest >= 10; rest /= 10) ++digits;
  char* end = out + digits;
  char* at = end;
  for (; value >= 100; value /= 100) {
    at -= 2;
    WritePair(at, value % 100);
  }
  if (value >= 10) {
    WritePair(at - 2, value);
  } else {
    at[-1] = static_cast<char>('0' + value);
  }
  return end;
}

char* WriteSixDecimals(char* out, std::uint64_t value) {
  WritePair(out, value / 10000);
  WritePair(out + 2, value / 100 % 100);
  WritePair(out + 4, value % 100);
  return out + kDecimals;
}

}  // namespace

char* FormatFixed6(char* first, char* last, double value) {
  const bool negative = std::signbit(value);
  const double magnitude = negative ? -value : value;
  if (!(magnitude < kExactLimit) || last - first < kExactLength) {
    const auto result = std::to_chars(first, last, value, std::chars_format::fixed, kDecimals);
    return result.ec == std::errc() ? result.ptr : nullptr;
  }
  const std::uint64_t scaled = ScaledAndRounded(magnitude);
  char* out = first;
  if (negative) *out++ = '-';
  out = WriteWhole(out, scaled / kScale);
  *out++ = '.';
  return WriteSixDecimals(out, scaled % kScale);
}
