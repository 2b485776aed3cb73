#include "standin/model/flatten.h"

#include <algorithm>
#include <cmath>

namespace standin {
namespace {

struct Vec {
  double x, y;
};

Vec At(const AIRealPoint& p) {
  return {p.h, p.v};
}

double Length(double x, double y) {
  return std::hypot(x, y);
}

double DistanceToChord(const Vec& p, const Vec& a, const Vec& b) {
  const double dx = b.x - a.x, dy = b.y - a.y;
  const double length2 = dx * dx + dy * dy;
  const double t =
      length2 == 0 ? 0 : std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / length2, 0.0, 1.0);
  return Length(p.x - (a.x + t * dx), p.y - (a.y + t * dy));
}

// One line when both handles lie within the flatness of the chord (the curve stays inside their
// hull); else as many as keep the chord error, at most 3/4 d / n^2 for a cubic whose second
// differences are at most d long, within the flatness.
int LinesFor(const Vec (&c)[4], double flatness, int maxPerCurve) {
  if (DistanceToChord(c[1], c[0], c[3]) <= flatness &&
      DistanceToChord(c[2], c[0], c[3]) <= flatness) {
    return 1;
  }
  const double d = std::max(Length(c[0].x - 2 * c[1].x + c[2].x, c[0].y - 2 * c[1].y + c[2].y),
                            Length(c[1].x - 2 * c[2].x + c[3].x, c[1].y - 2 * c[2].y + c[3].y));
  const double needed = std::ceil(std::sqrt(0.75 * d / flatness));
  if (!std::isfinite(needed) || needed >= maxPerCurve) return maxPerCurve;
  return std::max(1, static_cast<int>(needed));
}

AIRealPoint Evaluate(const Vec (&c)[4], double t) {
  const double u = 1 - t;
  const double a = u * u * u, b = 3 * u * u * t, e = 3 * u * t * t, f = t * t * t;
  return {static_cast<AIReal>(a * c[0].x + b * c[1].x + e * c[2].x + f * c[3].x),
          static_cast<AIReal>(a * c[0].y + b * c[1].y + e * c[2].y + f * c[3].y)};
}

}  // namespace

std::vector<AIPathConstructionPoint> FlattenSegments(const AIPathSegment* segments,
                                                     std::size_t count, double flatness,
                                                     int maxPerCurve) {
  std::vector<AIPathConstructionPoint> points;
  if (count == 0) return points;
  points.push_back({segments[0].p, segments[0].corner});
  for (std::size_t i = 1; i < count; ++i) {
    const AIPathSegment& from = segments[i - 1];
    const AIPathSegment& to = segments[i];
    const Vec curve[4] = {At(from.p), At(from.out), At(to.in), At(to.p)};
    const int lines = LinesFor(curve, flatness, maxPerCurve);
    for (int k = 1; k < lines; ++k) points.push_back({Evaluate(curve, double(k) / lines), 0});
    points.push_back({to.p, to.corner});
  }
  return points;
}

}  // namespace standin
