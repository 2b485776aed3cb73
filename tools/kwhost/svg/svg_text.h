// The runs of a <text>: its characters and those of its <tspan>s, white space laid out as SVG
// does, each with its font, start, shift and anchor.
#ifndef KERFWORKS_TOOLS_KWHOST_SVG_SVG_TEXT_H
#define KERFWORKS_TOOLS_KWHOST_SVG_SVG_TEXT_H

#include "tools/kwhost/svg/drawing.h"
#include "tools/kwhost/svg/svg_style.h"
#include "tools/kwhost/svg/svg_tree.h"

namespace svg {

// Fills `item`'s text, origin, spans and text matrix from the <text> node.
void ReadText(const Node& text, Cascade& cascade, Item& item);

}  // namespace svg

#endif  // KERFWORKS_TOOLS_KWHOST_SVG_SVG_TEXT_H
