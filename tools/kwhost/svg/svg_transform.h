// The `transform` attribute: matrix, translate, scale, rotate, skewX and skewY, composed in the
// order written (the rightmost applies first).
#ifndef KERFWORKS_TOOLS_KWHOST_SVG_SVG_TRANSFORM_H
#define KERFWORKS_TOOLS_KWHOST_SVG_SVG_TRANSFORM_H

#include <2geom/affine.h>

#include <optional>
#include <string_view>

namespace svg {

// nullopt when the list is malformed (SVG then ignores the attribute).
std::optional<Geom::Affine> ParseTransform(std::string_view text);

}  // namespace svg

#endif  // KERFWORKS_TOOLS_KWHOST_SVG_SVG_TRANSFORM_H
