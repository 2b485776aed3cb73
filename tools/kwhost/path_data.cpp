#include "tools/kwhost/path_data.h"

#include <charconv>
#include <cmath>

namespace kwhost {
namespace {

bool Same(const AIRealPoint& a, const AIRealPoint& b) {
  return a.h == b.h && a.v == b.v;
}

bool Finite(const AIRealPoint& p) {
  return std::isfinite(p.h) && std::isfinite(p.v);
}

std::string Pair(const AIRealPoint& p) {
  return FormatReal(p.h) + "," + FormatReal(p.v);
}

bool Straight(const AIPathSegment& from, const AIPathSegment& to) {
  return Same(from.out, from.p) && Same(to.in, to.p);
}

std::string Curve(const AIPathSegment& from, const AIPathSegment& to) {
  return " C" + Pair(from.out) + " " + Pair(to.in) + " " + Pair(to.p);
}

std::string Piece(const AIPathSegment& from, const AIPathSegment& to) {
  return Straight(from, to) ? " L" + Pair(to.p) : Curve(from, to);
}

}  // namespace

std::string FormatReal(AIReal value) {
  char buffer[64];
  char* end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
  double back = 0;
  std::from_chars(buffer, end, back);
  // The float's shortest form can, rarely, round differently once read as a double first.
  if (static_cast<AIReal>(back) != value) {
    end = std::to_chars(buffer, buffer + sizeof buffer, static_cast<double>(value)).ptr;
  }
  return std::string(buffer, end);
}

std::optional<std::string> PathData(const std::vector<AIPathSegment>& segments, bool closed) {
  for (const AIPathSegment& segment : segments) {
    if (!Finite(segment.p) || !Finite(segment.in) || !Finite(segment.out)) return std::nullopt;
  }
  if (segments.empty()) return std::string();
  std::string data = "M";
  data += Pair(segments.front().p);
  for (std::size_t i = 1; i < segments.size(); ++i) data += Piece(segments[i - 1], segments[i]);
  if (closed) {
    const AIPathSegment& last = segments.back();
    const AIPathSegment& first = segments.front();
    // A reader folds a straight closing segment into "Z", and drops one back onto the start.
    if (!Straight(last, first) || Same(last.p, first.p)) data += Curve(last, first);
    data += " Z";
  }
  return data;
}

}  // namespace kwhost
