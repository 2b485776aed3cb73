// Strict reader of the cut file the plug-in hands to the cutting application. Anything the
// writer would never produce is an error naming its 1-based line.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace receiver {

struct Point {
  double x = 0;
  double y = 0;
  bool operator==(const Point&) const = default;
};

// One "x1 y1 x2 y2 x3 y3 c" line: the out-handle of the previous anchor, the in-handle of the
// next one, and that next anchor.
struct Curve {
  Point outHandle;
  Point inHandle;
  Point anchor;
  bool operator==(const Curve&) const = default;
};

struct CutPath {
  Point start;
  std::vector<Curve> curves;
  bool closed = false;

  // A closed path's last curve returns to the start, so it adds no segment of its own.
  int SegmentCount() const;
  // The anchors of the path's segments, without the closing copy of the first.
  std::vector<Point> Anchors() const;
};

struct BoundingBox {
  Point min;
  Point max;
  bool operator==(const BoundingBox&) const = default;
};

struct CutFile {
  // In file order: the two crop-mark sizes, the two distances, the left and bottom margins.
  std::optional<std::array<double, 6>> cropMarks;
  std::vector<CutPath> paths;
  // Over every coordinate pair printed in a path block, handles included; none without paths.
  std::optional<BoundingBox> bounds;
  int lineCount = 0;
};

struct ParseError {
  int line = 0;
  std::string message;
  // "line N: message"
  std::string ToString() const;
};

using ParseResult = std::variant<CutFile, ParseError>;

ParseResult ParseCutFile(std::string_view bytes);

}  // namespace receiver
