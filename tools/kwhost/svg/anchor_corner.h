// Whether an anchor is a corner: false only where both handles sit on one line through it,
// pointing away from each other.
#ifndef KERFWORKS_TOOLS_KWHOST_SVG_ANCHOR_CORNER_H
#define KERFWORKS_TOOLS_KWHOST_SVG_ANCHOR_CORNER_H

#include <cmath>

#include "tools/kwhost/svg/drawing.h"

namespace svg {

inline bool IsCorner(const Anchor& a) {
  const double ix = a.in.x - a.p.x, iy = a.in.y - a.p.y;
  const double ox = a.out.x - a.p.x, oy = a.out.y - a.p.y;
  const double dot = ix * ox + iy * oy;
  // Handles at an acute or right angle, or well away from a straight line, decide it without
  // the costly lengths; what is left is decided exactly as below. Large drawings have a million
  // anchors.
  if (dot >= 0) return true;
  const double cross = ix * oy - iy * ox;
  if (cross * cross > 1e-5 * dot * dot) return true;
  const double li = std::hypot(ix, iy), lo = std::hypot(ox, oy);
  if (li < 1e-9 || lo < 1e-9) return true;
  return dot / (li * lo) > -1 + 1e-6;
}

}  // namespace svg

#endif  // KERFWORKS_TOOLS_KWHOST_SVG_ANCHOR_CORNER_H
