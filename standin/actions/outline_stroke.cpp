#include "standin/actions/outline_stroke.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <utility>

#include "standin/actions/bevel_band.h"
#include "standin/actions/shapes_in_document.h"
#include "standin/core/host.h"

namespace standin {
namespace {

ClipperLib::EndType OpenEndOf(const AIStrokeStyle& stroke) {
  switch (stroke.cap) {
    case kRoundCap:
      return ClipperLib::etOpenRound;
    case kProjectingCap:
      return ClipperLib::etOpenSquare;
    default:
      return ClipperLib::etOpenButt;
  }
}

ClipperLib::IntPoint Between(const ClipperLib::IntPoint& a, const ClipperLib::IntPoint& b,
                             double t) {
  return {a.X + static_cast<ClipperLib::cInt>(std::llround(t * static_cast<double>(b.X - a.X))),
          a.Y + static_cast<ClipperLib::cInt>(std::llround(t * static_cast<double>(b.Y - a.Y)))};
}

// The dashes of one outline as open pieces, walking the dash array from its offset.
std::vector<ClipperLib::Path> Dashes(const Polyline& outline, const AIDashStyle& dash) {
  std::vector<double> lengths;
  for (int i = 0; i < dash.length && i < 6; ++i) lengths.push_back(dash.array[i] * kGridPerPoint);
  if (lengths.size() % 2 == 1) lengths.insert(lengths.end(), lengths.begin(), lengths.end());
  const double period = std::accumulate(lengths.begin(), lengths.end(), 0.0);
  ClipperLib::Path points = outline.points;
  if (outline.closed && !points.empty()) points.push_back(points.front());
  std::vector<ClipperLib::Path> pieces;
  if (period <= 0 || points.size() < 2) return pieces;
  std::size_t index = 0;
  double left = lengths[0] - std::fmod(dash.offset * kGridPerPoint, period);
  while (left <= 0) left += lengths[++index % lengths.size()];
  bool on = index % 2 == 0;
  ClipperLib::Path piece{points.front()};
  for (std::size_t i = 1; i < points.size(); ++i) {
    ClipperLib::IntPoint from = points[i - 1];
    double edge = std::hypot(double(points[i].X - from.X), double(points[i].Y - from.Y));
    while (edge > left) {
      from = Between(from, points[i], left / edge);
      edge -= left;
      if (on) {
        piece.push_back(from);
        pieces.push_back(piece);
      }
      piece = {from};
      on = !on;
      left = lengths[++index % lengths.size()];
    }
    left -= edge;
    piece.push_back(points[i]);
  }
  if (on && piece.size() > 1) pieces.push_back(piece);
  return pieces;
}

// What is outlined: each dash on its own, or else the outlines whole.
std::vector<Polyline> StrokedPieces(const std::vector<Polyline>& outlines,
                                    const AIDashStyle& dash) {
  if (dash.length <= 0) return outlines;
  std::vector<Polyline> pieces;
  for (const Polyline& outline : outlines) {
    for (ClipperLib::Path& piece : Dashes(outline, dash)) {
      pieces.push_back({std::move(piece), false});
    }
  }
  return pieces;
}

ClipperLib::Paths RoundStroke(const std::vector<Polyline>& pieces, const AIStrokeStyle& stroke) {
  ClipperLib::ClipperOffset offset(2, kFlatness * kGridPerPoint);
  for (const Polyline& piece : pieces) {
    offset.AddPath(piece.points, ClipperLib::jtRound,
                   piece.closed ? ClipperLib::etClosedLine : OpenEndOf(stroke));
  }
  ClipperLib::PolyTree tree;
  offset.Execute(tree, stroke.width / 2 * kGridPerPoint);
  return AllPolygons(tree);
}

// The point `half` beyond an end of an open piece, along the edge that reaches the end.
ClipperLib::IntPoint Beyond(const ClipperLib::Path& points, bool atBack, double half) {
  const std::size_t count = points.size();
  const auto fromEnd = [&](std::size_t i) { return atBack ? points[count - 1 - i] : points[i]; };
  const ClipperLib::IntPoint end = fromEnd(0);
  // A lone point's caps sit either side of it.
  double dx = atBack ? 1 : -1, dy = 0;
  for (std::size_t i = 1; i < count; ++i) {
    if (fromEnd(i) != end) {
      dx = static_cast<double>(end.X - fromEnd(i).X);
      dy = static_cast<double>(end.Y - fromEnd(i).Y);
      break;
    }
  }
  const double scale = half / std::hypot(dx, dy);
  return {end.X + static_cast<ClipperLib::cInt>(std::llround(dx * scale)),
          end.Y + static_cast<ClipperLib::cInt>(std::llround(dy * scale))};
}

// Round caps are discs about the ends, which the library rounds from lone points; square caps
// are the band of each end edge carried on by `half`.
ClipperLib::Paths Caps(const std::vector<Polyline>& pieces, int cap, double half) {
  ClipperLib::Paths caps;
  ClipperLib::ClipperOffset discs(2, kFlatness * kGridPerPoint);
  std::vector<Polyline> ends;
  for (const Polyline& piece : pieces) {
    if (piece.closed || piece.points.empty()) continue;
    for (const bool atBack : {false, true}) {
      const ClipperLib::IntPoint end = atBack ? piece.points.back() : piece.points.front();
      if (cap == kRoundCap) discs.AddPath({end}, ClipperLib::jtRound, ClipperLib::etOpenRound);
      if (cap == kProjectingCap) ends.push_back({{end, Beyond(piece.points, atBack, half)}, false});
    }
  }
  if (cap == kRoundCap) discs.Execute(caps, half);
  if (cap == kProjectingCap) caps = BevelBand(ends, {half, half});
  return caps;
}

ClipperLib::Paths BandStroke(const std::vector<Polyline>& pieces, const AIStrokeStyle& stroke) {
  const double half = stroke.width / 2 * kGridPerPoint;
  const double miterLimit =
      stroke.join == kStrokeMiterJoin ? std::max<double>(stroke.miterLimit, 1) : 0;
  ClipperLib::Clipper clipper;
  clipper.AddPaths(BevelBand(pieces, {half, half, miterLimit}), ClipperLib::ptSubject, true);
  clipper.AddPaths(Caps(pieces, stroke.cap, half), ClipperLib::ptSubject, true);
  ClipperLib::PolyTree tree;
  clipper.Execute(ClipperLib::ctUnion, tree, ClipperLib::pftNonZero, ClipperLib::pftNonZero);
  return WithoutSlivers(AllPolygons(tree));
}

}  // namespace

ClipperLib::Paths StrokeArea(const std::vector<Polyline>& outlines, const AIStrokeStyle& stroke) {
  const std::vector<Polyline> pieces = StrokedPieces(outlines, stroke.dash);
  return stroke.join == kStrokeRoundJoin ? RoundStroke(pieces, stroke) : BandStroke(pieces, stroke);
}

AIErr OutlineStrokeAction::Play(ActionPlay& play, Host& host) const {
  DocumentModel& model = host.Documents();
  if (model.Current() == nullptr) return kNoDocumentErr;
  for (AIArtHandle art : SelectedShapes(model)) {
    const ArtObject& object = *model.FindArt(art);
    if (object.style.strokePaint != 1) continue;
    AIPathStyle style = object.style;
    style.fillPaint = 1;
    style.fill.color = style.stroke.color;
    style.fill.overprint = style.stroke.overprint;
    style.strokePaint = 0;
    style.evenodd = 0;
    const ClipperLib::Paths area = StrokeArea(FlattenArt(model, art), object.style.stroke);
    if (PlaceShape(model, area, style, {kPlaceAbove, art}) == nullptr) continue;
    model.DisposeArt(art);
    ++play.outcome.replaced;
    ++play.outcome.added;
  }
  return kNoErr;
}

}  // namespace standin
