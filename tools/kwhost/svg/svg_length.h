// SVG lengths in points: px is 0.75 pt (96 px to the inch), unitless numbers are px.
#ifndef KERFWORKS_TOOLS_KWHOST_SVG_SVG_LENGTH_H
#define KERFWORKS_TOOLS_KWHOST_SVG_SVG_LENGTH_H

#include <optional>
#include <string_view>
#include <vector>

namespace svg {

// Points for "12", "12px", "3.5mm", "1in", ...; nullopt for anything else (percentages too).
std::optional<double> LengthInPoints(std::string_view text);

// A length in user units (px): "12", "12px", "3mm", ...; nullopt for unknown units and
// percentages.
std::optional<double> LengthInUserUnits(std::string_view text);

// A plain number ("12", "-1.5e2"), with surrounding blanks; nullopt otherwise.
std::optional<double> ParseNumber(std::string_view text);

// The numbers of a list such as "1,2 3-4": blanks and commas part them, and so does a sign that
// does not follow an exponent's "e". nullopt when a piece is not a number.
std::optional<std::vector<double>> ParseNumberList(std::string_view text);

}  // namespace svg

#endif  // KERFWORKS_TOOLS_KWHOST_SVG_SVG_LENGTH_H
