// SVG lengths: a number and a unit, kept as written until a viewport and a font size resolve it
// into user units (px, 96 to the inch, 0.75 pt). Unitless numbers are px.
#ifndef KERFWORKS_TOOLS_KWHOST_SVG_SVG_LENGTH_H
#define KERFWORKS_TOOLS_KWHOST_SVG_SVG_LENGTH_H

#include <optional>
#include <string_view>
#include <vector>

namespace svg {

inline constexpr double kPointsPerUserUnit = 0.75;

struct Length {
  enum class Unit { kUser, kPercent, kEm, kEx };
  double value = 0;  // kUser: user units (absolute units already converted); else the number
  Unit unit = Unit::kUser;
};

// "12", "12px", "3.5mm", "1in", "2pc", "1Q", "50%", "1.2em", "2ex"; nullopt for anything else.
std::optional<Length> ParseLength(std::string_view text);

// What relative lengths resolve against, in user units.
struct LengthBasis {
  double viewportWidth = 0;
  double viewportHeight = 0;
  double fontSize = 16;
};

// Percentages of a width, a height or of anything else (the viewport's normalised diagonal).
enum class Axis { kWidth, kHeight, kOther };

double Resolve(const Length& length, Axis axis, const LengthBasis& basis);

// ParseLength then Resolve; nullopt when the text is no length.
std::optional<double> ResolveLength(std::string_view text, Axis axis, const LengthBasis& basis);

// Points for an absolute length ("12", "12px", "3.5mm", ...); nullopt for anything else
// (percentages and font-relative units too).
std::optional<double> LengthInPoints(std::string_view text);

// A plain number ("12", "-1.5e2"), with surrounding blanks; nullopt otherwise.
std::optional<double> ParseNumber(std::string_view text);

// The numbers of a list such as "1,2 3-4": blanks and commas part them, and so does a sign that
// does not follow an exponent's "e". nullopt when a piece is not a number.
std::optional<std::vector<double>> ParseNumberList(std::string_view text);

}  // namespace svg

#endif  // KERFWORKS_TOOLS_KWHOST_SVG_SVG_LENGTH_H
