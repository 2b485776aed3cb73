#include "tools/kwhost/svg/svg_length.h"

#include "tools/kwhost/text_parsing.h"

namespace svg {
namespace {

struct Unit {
  std::string_view name;
  double points;
};

constexpr Unit kUnits[] = {
    {"", 0.75},   {"px", 0.75},        {"pt", 1.0},         {"pc", 12.0},
    {"in", 72.0}, {"mm", 72.0 / 25.4}, {"cm", 72.0 / 2.54},
};

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

std::optional<double> LengthInPoints(std::string_view text) {
  text = kwhost::Trim(text);
  for (const Unit& unit : kUnits) {
    if (unit.name.empty() || text.size() <= unit.name.size() || !text.ends_with(unit.name)) {
      continue;
    }
    const std::string_view number = text.substr(0, text.size() - unit.name.size());
    if (number != kwhost::Trim(number)) return std::nullopt;  // no blank between number and unit
    if (auto value = ParseNumber(number)) return *value * unit.points;
    return std::nullopt;
  }
  if (auto number = ParseNumber(text)) return *number * kUnits[0].points;
  return std::nullopt;
}

std::optional<double> LengthInUserUnits(std::string_view text) {
  const auto points = LengthInPoints(text);
  if (!points) return std::nullopt;
  return *points / kUnits[0].points;
}

}  // namespace svg
