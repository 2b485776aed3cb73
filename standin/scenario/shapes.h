// Segment arrays of the shapes scenarios draw with. Coordinates are document points, y upwards.
#ifndef KERFWORKS_STANDIN_SCENARIO_SHAPES_H
#define KERFWORKS_STANDIN_SCENARIO_SHAPES_H

#include <vector>

#include "hostapi/ai_art_suites.h"

namespace standin {

// The handle length of a quarter circle drawn as one cubic, per unit of radius.
inline constexpr double kCircleHandle = 0.552284749831;

// A corner anchor whose handles lie on it (a straight edge on either side).
AIPathSegment CornerPoint(AIReal x, AIReal y);
// Four corners from the lower left, counter-clockwise; to be closed.
std::vector<AIPathSegment> RectangleSegments(AIReal left, AIReal bottom, AIReal width,
                                             AIReal height);
// Four smooth anchors (right, top, left, bottom: counter-clockwise); to be closed.
std::vector<AIPathSegment> CircleSegments(AIReal centreX, AIReal centreY, AIReal radius);
// One corner anchor per point.
std::vector<AIPathSegment> PolylineSegments(const std::vector<AIRealPoint>& points);

}  // namespace standin

#endif  // KERFWORKS_STANDIN_SCENARIO_SHAPES_H
