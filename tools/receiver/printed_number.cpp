#include "tools/receiver/printed_number.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <string>

#include "tools/receiver/reader_fault.h"

namespace receiver {
namespace {

constexpr std::size_t kDecimals = 6;

bool IsDigit(char character) {
  return std::isdigit(static_cast<unsigned char>(character)) != 0;
}

bool AllDigits(std::string_view text) {
  return std::all_of(text.begin(), text.end(), IsDigit);
}

}  // namespace

bool LooksLikeNumber(std::string_view field) {
  const char first = field.front();
  return IsDigit(first) || first == '-' || first == '+' || first == '.';
}

double ParsePrintedNumber(std::string_view token, int line) {
  const std::string quoted = QuoteForMessage(token);
  const auto fault = [&](std::string_view what) {
    throw ReaderFault{line, "number " + quoted + " " + std::string(what)};
  };
  if (token.front() == '+') fault("must not have a plus sign");
  if (token.find_first_of("eE") != std::string_view::npos) fault("must not have an exponent");
  const std::string_view magnitude = token.front() == '-' ? token.substr(1) : token;
  const std::size_t dot = magnitude.find('.');
  const std::string_view integerPart = magnitude.substr(0, dot);
  const std::string_view decimals =
      dot == std::string_view::npos ? std::string_view() : magnitude.substr(dot + 1);
  if (!AllDigits(integerPart) || !AllDigits(decimals) ||
      integerPart.size() + decimals.size() == 0) {
    throw ReaderFault{line, quoted + " is not a number"};
  }
  if (dot == std::string_view::npos) fault("must have a decimal point");
  if (integerPart.empty()) fault("must have a digit before the decimal point");
  if (integerPart.size() > 1 && integerPart.front() == '0') fault("has a leading zero");
  if (decimals.size() != kDecimals) fault("must have six decimals");

  double value = 0;
  const auto [end, error] = std::from_chars(token.data(), token.data() + token.size(), value);
  if (error != std::errc() || end != token.data() + token.size()) {
    throw ReaderFault{line, "number " + quoted + " is out of range"};
  }
  return value;
}

}  // namespace receiver
