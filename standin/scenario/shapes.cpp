#include "standin/scenario/shapes.h"

namespace standin {

AIPathSegment CornerPoint(AIReal x, AIReal y) {
  return AIPathSegment{{x, y}, {x, y}, {x, y}, 1};
}

std::vector<AIPathSegment> RectangleSegments(AIReal left, AIReal bottom, AIReal width,
                                             AIReal height) {
  return {CornerPoint(left, bottom), CornerPoint(left + width, bottom),
          CornerPoint(left + width, bottom + height), CornerPoint(left, bottom + height)};
}

std::vector<AIPathSegment> CircleSegments(AIReal centreX, AIReal centreY, AIReal radius) {
  const AIReal x = centreX, y = centreY, r = radius;
  const auto k = static_cast<AIReal>(radius * kCircleHandle);
  return {
      {{x + r, y}, {x + r, y - k}, {x + r, y + k}, 0},
      {{x, y + r}, {x + k, y + r}, {x - k, y + r}, 0},
      {{x - r, y}, {x - r, y + k}, {x - r, y - k}, 0},
      {{x, y - r}, {x - k, y - r}, {x + k, y - r}, 0},
  };
}

std::vector<AIPathSegment> PolylineSegments(const std::vector<AIRealPoint>& points) {
  std::vector<AIPathSegment> segments;
  for (const AIRealPoint& point : points) segments.push_back(CornerPoint(point.h, point.v));
  return segments;
}

}  // namespace standin
