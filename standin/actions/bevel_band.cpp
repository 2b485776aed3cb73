#include "standin/actions/bevel_band.h"

#include <cmath>
#include <optional>
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

// Where the two offset edges meet, from the corner: the point whose distance from both edges'
// lines is the reach. None when it lies farther than the limit allows.
std::optional<IntPoint> MiterTip(const IntPoint& before, const IntPoint& after, double reach,
                                 double limit) {
  const double dot = static_cast<double>(before.X) * static_cast<double>(after.X) +
                     static_cast<double>(before.Y) * static_cast<double>(after.Y);
  const double denominator = reach * reach + dot;
  if (denominator <= 0) return std::nullopt;
  const double scale = reach * reach / denominator;
  const double x = static_cast<double>(before.X + after.X) * scale;
  const double y = static_cast<double>(before.Y + after.Y) * scale;
  if (std::hypot(x, y) > limit * reach) return std::nullopt;
  return IntPoint{static_cast<cInt>(std::llround(x)), static_cast<cInt>(std::llround(y))};
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
    const double across = turn > 0 ? reach.right : reach.left;
    if (turn == 0 || across <= 0) continue;
    const IntPoint& from = outside[before];
    const IntPoint& to = outside[corner];
    if (const auto tip = MiterTip(from, to, across, reach.miterLimit)) {
      pieces.push_back(Positive({at, Plus(at, from), Plus(at, *tip), Plus(at, to)}));
    } else {
      pieces.push_back(Positive({at, Plus(at, from), Plus(at, to)}));
    }
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
