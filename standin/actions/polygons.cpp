#include "standin/actions/polygons.h"

#include <cmath>

#include "standin/model/flatten.h"

namespace standin {
namespace {

// Enough points for any curve a drawing holds at this flatness.
constexpr int kMaxPointsPerCurve = 4096;

Polyline Flatten(const ArtObject& path) {
  Polyline out;
  out.closed = path.closed;
  std::vector<AIPathSegment> segments = path.segments;
  if (segments.empty()) return out;
  // The closing segment is flattened as any other, then its repeated first anchor dropped.
  if (path.closed) segments.push_back(segments.front());
  const auto points =
      FlattenSegments(segments.data(), segments.size(), kFlatness, kMaxPointsPerCurve);
  for (const AIPathConstructionPoint& point : points) {
    const ClipperLib::IntPoint grid(ToGrid(point.point.h), ToGrid(point.point.v));
    if (out.points.empty() || out.points.back() != grid) out.points.push_back(grid);
  }
  if (path.closed && out.points.size() > 1 && out.points.back() == out.points.front()) {
    out.points.pop_back();
  }
  return out;
}

}  // namespace

ClipperLib::cInt ToGrid(double points) {
  return static_cast<ClipperLib::cInt>(std::llround(points * kGridPerPoint));
}

double FromGrid(ClipperLib::cInt grid) {
  return static_cast<double>(grid) / kGridPerPoint;
}

std::vector<Polyline> FlattenArt(const DocumentModel& model, AIArtHandle art) {
  std::vector<Polyline> out;
  const ArtObject* object = model.FindArt(art);
  if (object == nullptr) return out;
  if (object->type == kPathArt) {
    out.push_back(Flatten(*object));
  } else if (object->type == kCompoundPathArt) {
    for (AIArtHandle part : object->children) {
      if (const ArtObject* path = model.FindArt(part); path && path->type == kPathArt) {
        out.push_back(Flatten(*path));
      }
    }
  }
  return out;
}

ClipperLib::Paths FilledArea(const std::vector<Polyline>& outlines, bool evenOdd) {
  ClipperLib::Clipper clipper;
  for (const Polyline& outline : outlines) {
    // An open subpath is filled as if closed, as the host paints it.
    if (outline.points.size() >= 3) clipper.AddPath(outline.points, ClipperLib::ptSubject, true);
  }
  ClipperLib::Paths area;
  const auto rule = evenOdd ? ClipperLib::pftEvenOdd : ClipperLib::pftNonZero;
  clipper.Execute(ClipperLib::ctUnion, area, rule, rule);
  return area;
}

std::vector<AIPathSegment> ToSegments(const ClipperLib::Path& polygon) {
  std::vector<AIPathSegment> segments;
  segments.reserve(polygon.size());
  for (const ClipperLib::IntPoint& point : polygon) {
    AIPathSegment segment{};
    segment.p = {static_cast<AIReal>(FromGrid(point.X)), static_cast<AIReal>(FromGrid(point.Y))};
    segment.in = segment.p;
    segment.out = segment.p;
    segment.corner = 1;
    segments.push_back(segment);
  }
  return segments;
}

}  // namespace standin
