// CSS colours: every keyword (case-insensitive) and transparent, #rgb, #rgba, #rrggbb, #rrggbbaa,
// rgb(), rgba(), hsl() and hsla() with numbers or percentages, commas or blanks. Alpha is read
// and dropped: a colour is a paint however transparent.
#ifndef KERFWORKS_TOOLS_KWHOST_SVG_SVG_COLOUR_H
#define KERFWORKS_TOOLS_KWHOST_SVG_SVG_COLOUR_H

#include <optional>
#include <string_view>

#include "tools/kwhost/svg/drawing.h"

namespace svg {

// A painted colour; nullopt when `text` is no colour.
std::optional<Paint> ParseColour(std::string_view text);

}  // namespace svg

#endif  // KERFWORKS_TOOLS_KWHOST_SVG_SVG_COLOUR_H
