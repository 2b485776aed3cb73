// Outlines of SVG shapes as cubic Bézier anchors: path data of every command (arcs become cubic
// Béziers), and rect, circle, ellipse, line, polyline and polygon.
#ifndef KERFWORKS_TOOLS_KWHOST_SVG_SVG_GEOMETRY_H
#define KERFWORKS_TOOLS_KWHOST_SVG_SVG_GEOMETRY_H

#include <2geom/affine.h>
#include <2geom/pathvector.h>
#include <pugixml.hpp>

#include <optional>
#include <vector>

#include "tools/kwhost/svg/drawing.h"

namespace svg {

// The element's outline in its user units; nullopt when the element is no shape or its
// geometry is unusable (a rect without size, path data that does not parse, ...).
std::optional<Geom::PathVector> ShapeOutline(const pugi::xml_node& element);

// One subpath per path, mapped through `transform`: closed paths closed without a duplicated last
// anchor; lines with their handles on their anchors.
std::vector<Subpath> ToSubpaths(const Geom::PathVector& paths, const Geom::Affine& transform);

}  // namespace svg

#endif  // KERFWORKS_TOOLS_KWHOST_SVG_SVG_GEOMETRY_H
