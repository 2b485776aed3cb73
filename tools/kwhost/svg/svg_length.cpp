#include "tools/kwhost/svg/svg_length.h"

#include <cmath>

#include "tools/kwhost/text_parsing.h"

namespace svg {
namespace {

struct Unit {
  std::string_view name;
  double points;  // of one unit; 0 for the relative units
  Length::Unit kind;
};

// Longest names first, so that "em" is not read as "m" after "e" and "px" before "x".
constexpr Unit kUnits[] = {
    {"px", kPointsPerUserUnit, Length::Unit::kUser},
    {"pt", 1.0, Length::Unit::kUser},
    {"pc", 12.0, Length::Unit::kUser},
    {"in", 72.0, Length::Unit::kUser},
    {"mm", 72.0 / 25.4, Length::Unit::kUser},
    {"cm", 72.0 / 2.54, Length::Unit::kUser},
    {"Q", 72.0 / 101.6, Length::Unit::kUser},
    {"q", 72.0 / 101.6, Length::Unit::kUser},
    {"em", 0, Length::Unit::kEm},
    {"ex", 0, Length::Unit::kEx},
    {"%", 0, Length::Unit::kPercent},
};

constexpr Unit kUnitless = {"", kPointsPerUserUnit, Length::Unit::kUser};

struct Written {
  double number;
  const Unit* unit;
};

// The number and the unit of a length, as written.
std::optional<Written> Read(std::string_view text) {
  text = kwhost::Trim(text);
  for (const Unit& unit : kUnits) {
    if (text.size() <= unit.name.size() || !text.ends_with(unit.name)) continue;
    const std::string_view number = text.substr(0, text.size() - unit.name.size());
    if (number != kwhost::Trim(number)) return std::nullopt;  // no blank between number and unit
    const auto value = ParseNumber(number);
    if (!value) return std::nullopt;
    return Written{*value, &unit};
  }
  if (auto number = ParseNumber(text)) return Written{*number, &kUnitless};
  return std::nullopt;
}

bool IsSeparator(char c) {
  return c == ',' || c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

bool StartsNumber(std::string_view text, std::size_t i) {
  return (text[i] == '-' || text[i] == '+') && text[i - 1] != 'e' && text[i - 1] != 'E';
}

}  // namespace

std::optional<double> ParseNumber(std::string_view text) {
  text = kwhost::Trim(text);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  return kwhost::ParseWhole<double>(text);
}

std::optional<std::vector<double>> ParseNumberList(std::string_view text) {
  std::vector<double> numbers;
  std::size_t start = 0;
  while (true) {
    while (start < text.size() && IsSeparator(text[start])) ++start;
    if (start == text.size()) return numbers;
    std::size_t end = start + 1;
    while (end < text.size() && !IsSeparator(text[end]) && !StartsNumber(text, end)) ++end;
    const auto number = ParseNumber(text.substr(start, end - start));
    if (!number) return std::nullopt;
    numbers.push_back(*number);
    start = end;
  }
}

std::optional<Length> ParseLength(std::string_view text) {
  const auto written = Read(text);
  if (!written) return std::nullopt;
  const Unit& unit = *written->unit;
  if (unit.kind != Length::Unit::kUser) return Length{written->number, unit.kind};
  return Length{written->number * (unit.points / kPointsPerUserUnit), unit.kind};
}

double Resolve(const Length& length, Axis axis, const LengthBasis& basis) {
  switch (length.unit) {
    case Length::Unit::kUser:
      return length.value;
    case Length::Unit::kEm:
      return length.value * basis.fontSize;
    case Length::Unit::kEx:
      return length.value * basis.fontSize / 2;
    case Length::Unit::kPercent:
      break;
  }
  const double whole = axis == Axis::kWidth ? basis.viewportWidth
                       : axis == Axis::kHeight
                           ? basis.viewportHeight
                           : std::hypot(basis.viewportWidth, basis.viewportHeight) / std::sqrt(2.0);
  return length.value / 100 * whole;
}

std::optional<double> ResolveLength(std::string_view text, Axis axis, const LengthBasis& basis) {
  const auto length = ParseLength(text);
  if (!length) return std::nullopt;
  return Resolve(*length, axis, basis);
}

std::optional<double> LengthInPoints(std::string_view text) {
  const auto written = Read(text);
  if (!written || written->unit->kind != Length::Unit::kUser) return std::nullopt;
  return written->number * written->unit->points;
}

}  // namespace svg
