// The bridge between the document's Bézier paths and the clipping library's polygons: outlines
// flattened to within 0.01 pt onto an integer grid, and polygons turned back into paths of
// straight segments.
#ifndef KERFWORKS_STANDIN_ACTIONS_POLYGONS_H
#define KERFWORKS_STANDIN_ACTIONS_POLYGONS_H

#include <polyclipping/clipper.hpp>

#include <vector>

#include "standin/model/document.h"

namespace standin {

// Grid steps per point: a thousandth of a point, well below the flatness.
inline constexpr double kGridPerPoint = 1000;
// How far a flattened outline may stray from its curves, in points.
inline constexpr double kFlatness = 0.01;

// The stroke's cap and join codes of the path style.
inline constexpr int kButtCap = 0, kRoundCap = 1, kProjectingCap = 2;
inline constexpr int kStrokeMiterJoin = 0, kStrokeRoundJoin = 1, kStrokeBevelJoin = 2;

struct Polyline {
  ClipperLib::Path points;
  bool closed = false;
};

// Every subpath of a path or compound path, flattened; empty for other art.
std::vector<Polyline> FlattenArt(const DocumentModel& model, AIArtHandle art);

// The area the outlines cover under the art's fill rule, as outer boundaries counter-clockwise
// and holes clockwise.
ClipperLib::Paths FilledArea(const std::vector<Polyline>& outlines, bool evenOdd);

// One path of straight segments per polygon, closed.
std::vector<AIPathSegment> ToSegments(const ClipperLib::Path& polygon);

// Lengths in points onto the grid and back.
ClipperLib::cInt ToGrid(double points);
double FromGrid(ClipperLib::cInt grid);

}  // namespace standin

#endif  // KERFWORKS_STANDIN_ACTIONS_POLYGONS_H
