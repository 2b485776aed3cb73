#include "standin/actions/bevel_band.h"

#include <cmath>
#include <vector>

namespace standin {
namespace {

using ClipperLib::cInt;
using ClipperLib::IntPoint;
using ClipperLib::Path;

// Repeated points have no direction to offset along.
Path Distinct(const Polyline& outline) {
  Path points;
  for (const IntPoint& point : outline.points) {
    if (points.empty() || points.back() != point) points.push_back(point);
  }
  while (outline.closed && points.size() > 1 && points.back() == points.front()) points.pop_back();
  return points;
}

// The edge's left normal scaled to `distance`, rounded once so that the rectangles and triangles
// meeting at a corner share their corner points exactly.
IntPoint NormalOffset(const IntPoint& from, const IntPoint& to, double distance) {
  const double dx = static_cast<double>(to.X - from.X), dy = static_cast<double>(to.Y - from.Y);
  const double scale = distance / std::hypot(dx, dy);
  return {static_cast<cInt>(std::llround(-dy * scale)),
          static_cast<cInt>(std::llround(dx * scale))};
}

Path Positive(Path piece) {
  if (!ClipperLib::Orientation(piece)) ClipperLib::ReversePath(piece);
  return piece;
}

IntPoint Plus(const IntPoint& a, const IntPoint& b) {
  return {a.X + b.X, a.Y + b.Y};
}

// Which way the path turns from edge a→b onto edge b→c: positive to the left.
double Turn(const IntPoint& a, const IntPoint& b, const IntPoint& c) {
  return static_cast<double>(b.X - a.X) * static_cast<double>(c.Y - b.Y) -
         static_cast<double>(b.Y - a.Y) * static_cast<double>(c.X - b.X);
}

void AddBand(const Polyline& outline, const BandReach& reach, ClipperLib::Paths& pieces) {
  const Path points = Distinct(outline);
  const std::size_t count = points.size();
  if (count < 2) return;
  const std::size_t edges = outline.closed ? count : count - 1;
  std::vector<IntPoint> lefts, rights;
  lefts.reserve(edges);
  rights.reserve(edges);
  for (std::size_t i = 0; i < edges; ++i) {
    const IntPoint& from = points[i];
    const IntPoint& to = points[(i + 1) % count];
    lefts.push_back(NormalOffset(from, to, reach.left));
    rights.push_back(NormalOffset(from, to, -reach.right));
    // One rectangle a side, so that every edge a corner's triangle shares with a rectangle is the
    // whole of the rectangle's edge: the library does not always merge pieces that touch along
    // part of an edge.
    for (const IntPoint& side : {lefts[i], rights[i]}) {
      if (side != IntPoint{})
        pieces.push_back(Positive({from, to, Plus(to, side), Plus(from, side)}));
    }
  }
  for (std::size_t corner = outline.closed ? 0 : 1; corner < edges; ++corner) {
    const std::size_t before = (corner + edges - 1) % edges;
    const IntPoint& at = points[corner];
    const double turn = Turn(points[before], at, points[(corner + 1) % count]);
    // The offset edges part on the outside of the turn: the right side of a left turn. A straight
    // run or a full reversal leaves no gap between the rectangles.
    const std::vector<IntPoint>& outside = turn > 0 ? rights : lefts;
    if (turn == 0 || (turn > 0 ? reach.right : reach.left) <= 0) continue;
    pieces.push_back(Positive({at, Plus(at, outside[before]), Plus(at, outside[corner])}));
  }
}

}  // namespace

ClipperLib::Paths BevelBand(const std::vector<Polyline>& outlines, const BandReach& reach) {
  ClipperLib::Paths pieces;
  for (const Polyline& outline : outlines) AddBand(outline, reach, pieces);
  return pieces;
}

ClipperLib::Paths WithoutSlivers(ClipperLib::Paths polygons) {
  std::erase_if(polygons, [](const Path& polygon) {
    double perimeter = 0;
    for (std::size_t i = 0; i < polygon.size(); ++i) {
      const IntPoint& a = polygon[i];
      const IntPoint& b = polygon[(i + 1) % polygon.size()];
      perimeter += std::hypot(static_cast<double>(b.X - a.X), static_cast<double>(b.Y - a.Y));
    }
    // Twice the area over the perimeter: about the width of a thin polygon.
    return 2 * std::abs(ClipperLib::Area(polygon)) < kFlatness * kGridPerPoint * perimeter;
  });
  return polygons;
}

}  // namespace standin
