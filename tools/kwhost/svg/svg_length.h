// SVG lengths in points: px is 0.75 pt (96 px to the inch), unitless numbers are px.
#ifndef KERFWORKS_TOOLS_KWHOST_SVG_SVG_LENGTH_H
#define KERFWORKS_TOOLS_KWHOST_SVG_SVG_LENGTH_H

#include <optional>
#include <string_view>

namespace svg {

// Points for "12", "12px", "3.5mm", "1in", ...; nullopt for anything else (percentages too).
std::optional<double> LengthInPoints(std::string_view text);

// A plain number ("12", "-1.5e2"), with surrounding blanks; nullopt otherwise.
std::optional<double> ParseNumber(std::string_view text);

}  // namespace svg

#endif  // KERFWORKS_TOOLS_KWHOST_SVG_SVG_LENGTH_H
