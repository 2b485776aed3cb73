// Numbers and path data for SVG written from the host's document, exact enough that reading them
// back gives the same 32-bit floats.
#ifndef KERFWORKS_TOOLS_KWHOST_PATH_DATA_H
#define KERFWORKS_TOOLS_KWHOST_PATH_DATA_H

#include <optional>
#include <string>
#include <vector>

#include "hostapi/ai_art_suites.h"

namespace kwhost {

// The shortest decimal that reads back (as a double, then rounded to float) as `value`.
std::string FormatReal(AIReal value);

// Absolute path data of one path: "M" to the first anchor, "L" for straight segments, "C" for the
// others, "Z" when closed. A closing segment that is curved, or that ends where it starts, is
// written out before "Z" so that no anchor is lost. Empty for no segments; nullopt when a value
// is not finite.
std::optional<std::string> PathData(const std::vector<AIPathSegment>& segments, bool closed);

}  // namespace kwhost

#endif  // KERFWORKS_TOOLS_KWHOST_PATH_DATA_H
