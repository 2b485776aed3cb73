#include "tools/kwhost/svg/svg_length.h"

#include <charconv>
#include <string>

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

std::string_view Trim(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t' || text.front() == '\n' ||
                           text.front() == '\r')) {
    text.remove_prefix(1);
  }
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\n' ||
                           text.back() == '\r')) {
    text.remove_suffix(1);
  }
  return text;
}

}  // namespace

std::optional<double> ParseNumber(std::string_view text) {
  text = Trim(text);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  double value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || text.empty()) {
    return std::nullopt;
  }
  return value;
}

std::optional<double> LengthInPoints(std::string_view text) {
  text = Trim(text);
  for (const Unit& unit : kUnits) {
    if (unit.name.empty() || text.size() <= unit.name.size() || !text.ends_with(unit.name)) {
      continue;
    }
    const std::string_view number = text.substr(0, text.size() - unit.name.size());
    if (number != Trim(number)) return std::nullopt;  // no blank between number and unit
    if (auto value = ParseNumber(number)) return *value * unit.points;
    return std::nullopt;
  }
  if (auto number = ParseNumber(text)) return *number * kUnits[0].points;
  return std::nullopt;
}

}  // namespace svg
