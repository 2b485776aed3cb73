// Flattening of a Bezier outline: the outline through a segment array (each pair of neighbouring
// segments joined by the cubic from the first anchor over its out-handle and the second's
// in-handle to the second anchor) turned into points.
#ifndef KERFWORKS_STANDIN_MODEL_FLATTEN_H
#define KERFWORKS_STANDIN_MODEL_FLATTEN_H

#include <cstddef>
#include <vector>

#include "hostapi/ai_art_suites.h"

namespace standin {

// The first anchor, then for every curve evenly spaced points up to its end anchor, as few as keep
// every point of the curve within `flatness` of the polyline, but at most `maxPerCurve` per curve.
// Anchors carry their segment's corner flag, points between them none. Needs flatness > 0 and
// maxPerCurve >= 1.
std::vector<AIPathConstructionPoint> FlattenSegments(const AIPathSegment* segments,
                                                     std::size_t count, double flatness,
                                                     int maxPerCurve);

}  // namespace standin

#endif  // KERFWORKS_STANDIN_MODEL_FLATTEN_H
