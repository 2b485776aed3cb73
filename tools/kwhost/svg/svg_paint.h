// The value of `fill` or `stroke`: none, a colour, currentColor, context-fill, context-stroke, or
// a paint server url(#id) with an optional fallback.
#ifndef KERFWORKS_TOOLS_KWHOST_SVG_SVG_PAINT_H
#define KERFWORKS_TOOLS_KWHOST_SVG_SVG_PAINT_H

#include <optional>
#include <string>
#include <string_view>

#include "tools/kwhost/svg/drawing.h"

namespace svg {

struct PaintSpec {
  enum class Kind { kNone, kColour, kCurrentColor, kContextFill, kContextStroke };
  // Without a server: the paint. With one: the fallback, used when the server is missing.
  Kind kind = Kind::kNone;
  Paint colour;        // kColour
  std::string server;  // url(#id): the id; empty for none
  bool fallbackGiven = false;
};

// nullopt when `text` is no paint (an unknown colour, a reference to another file).
std::optional<PaintSpec> ParsePaint(std::string_view text);

}  // namespace svg

#endif  // KERFWORKS_TOOLS_KWHOST_SVG_SVG_PAINT_H
