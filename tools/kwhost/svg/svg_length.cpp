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

}  // namespace

std::optional<double> ParseNumber(std::string_view text) {
  text = kwhost::Trim(text);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  return kwhost::ParseWhole<double>(text);
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
