// Fill, stroke and visibility of an element: presentation attributes, overridden by `style`,
// inherited from the parent where the element says nothing.
#ifndef KERFWORKS_TOOLS_KWHOST_SVG_SVG_STYLE_H
#define KERFWORKS_TOOLS_KWHOST_SVG_SVG_STYLE_H

#include <pugixml.hpp>

#include <optional>
#include <string>
#include <string_view>

#include "tools/kwhost/svg/drawing.h"

namespace svg {

// What an element's style resolves to in user units (the stroke width is scaled later).
struct ComputedStyle {
  Paint fill{true, 0, 0, 0};
  Paint stroke;
  double strokeWidth = 1;
  bool visibilityHidden = false;
  bool displayNone = false;  // not inherited: it hides the element and everything in it
};

// The element's own declarations applied over its parent's computed style.
ComputedStyle ResolveStyle(const pugi::xml_node& element, const ComputedStyle& parent);

// "none", "#rgb", "#rrggbb", "rgb(r,g,b)" or a basic colour name; nullopt when not understood.
std::optional<Paint> ParsePaint(std::string_view text);

}  // namespace svg

#endif  // KERFWORKS_TOOLS_KWHOST_SVG_SVG_STYLE_H
