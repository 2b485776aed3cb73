#include "standin/actions/outline_stroke.h"

#include <cmath>
#include <numeric>

#include "standin/actions/shapes_in_document.h"
#include "standin/core/host.h"

namespace standin {
namespace {

ClipperLib::JoinType JoinOf(const AIStrokeStyle& stroke) {
  switch (stroke.join) {
    case kStrokeRoundJoin:
      return ClipperLib::jtRound;
    // The library has no bevel; its square join cuts the corner off at the stroke's edge.
    case kStrokeBevelJoin:
      return ClipperLib::jtSquare;
    default:
      return ClipperLib::jtMiter;
  }
}

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

}  // namespace

ClipperLib::Paths StrokeArea(const std::vector<Polyline>& outlines, const AIStrokeStyle& stroke) {
  ClipperLib::ClipperOffset offset(std::max<double>(stroke.miterLimit, 1),
                                   kFlatness * kGridPerPoint);
  const ClipperLib::JoinType join = JoinOf(stroke);
  for (const Polyline& outline : outlines) {
    if (stroke.dash.length > 0) {
      for (const ClipperLib::Path& piece : Dashes(outline, stroke.dash)) {
        offset.AddPath(piece, join, OpenEndOf(stroke));
      }
    } else {
      offset.AddPath(outline.points, join,
                     outline.closed ? ClipperLib::etClosedLine : OpenEndOf(stroke));
    }
  }
  ClipperLib::PolyTree tree;
  offset.Execute(tree, stroke.width / 2 * kGridPerPoint);
  return AllPolygons(tree);
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
