#include "output/number_format.h"

#include <charconv>
#include <system_error>

char* FormatFixed6(char* first, char* last, double value) {
  constexpr int kDecimals = 6;
  const auto result = std::to_chars(first, last, value, std::chars_format::fixed, kDecimals);
  return result.ec == std::errc() ? result.ptr : nullptr;
}
