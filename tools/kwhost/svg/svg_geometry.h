// Outlines of SVG shapes as cubic Bézier anchors: path data of every command (arcs become cubic
// Béziers), and rect, circle, ellipse, line, polyline and polygon.
#ifndef KERFWORKS_TOOLS_KWHOST_SVG_SVG_GEOMETRY_H
#define KERFWORKS_TOOLS_KWHOST_SVG_SVG_GEOMETRY_H

#include <2geom/affine.h>
#include <2geom/pathvector.h>
#include <pugixml.hpp>

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "tools/kwhost/svg/drawing.h"
#include "tools/kwhost/svg/svg_length.h"

namespace svg {

// Geometry an element states but that cannot be read (broken path data, unknown units).
class GeometryError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The element's outline as subpaths mapped through `transform` (see ToSubpaths); empty when the
// element is no shape or draws nothing (a rect without size, empty path data, ...). Lengths resolve
// against `basis`. Broken path data draws up to its error, which `brokenPathData` then describes
// (it is left empty otherwise). Throws GeometryError for other unreadable geometry.
std::vector<Subpath> ShapeSubpaths(const pugi::xml_node& element, const LengthBasis& basis,
                                   const Geom::Affine& transform, std::string& brokenPathData);

// One subpath per path, mapped through `transform`: closed paths closed without a duplicated last
// anchor; lines with their handles on their anchors.
std::vector<Subpath> ToSubpaths(const Geom::PathVector& paths, const Geom::Affine& transform);

}  // namespace svg

#endif  // KERFWORKS_TOOLS_KWHOST_SVG_SVG_GEOMETRY_H
