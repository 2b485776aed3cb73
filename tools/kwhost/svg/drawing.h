// An SVG drawing as the host's document will hold it: page size and coordinates in points, y up
// from the page's bottom edge; every outline already made of cubic Bézier anchors.
#ifndef KERFWORKS_TOOLS_KWHOST_SVG_DRAWING_H
#define KERFWORKS_TOOLS_KWHOST_SVG_DRAWING_H

#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace svg {

struct Point {
  double x = 0;
  double y = 0;
  bool operator==(const Point&) const = default;
};

// One anchor of an outline with its two handles; a straight segment has its handles on its
// anchors. `corner` is false only where both handles sit on one line through the anchor.
struct Anchor {
  Point p, in, out;
  bool corner = true;
};

struct Subpath {
  std::vector<Anchor> anchors;
  bool closed = false;
};

struct Paint {
  bool on = false;
  double red = 0, green = 0, blue = 0;  // 0..1
};

struct Style {
  Paint fill{true, 0, 0, 0};  // SVG's default: black fill, no stroke
  Paint stroke;
  double strokeWidth = 1;  // points
  int lineCap = 0;         // butt, round, square
  int lineJoin = 0;        // miter, round, bevel
  double miterLimit = 4;
  std::vector<double> dashes;  // points; empty: solid
  double dashOffset = 0;       // points
};

// One run of a text: the characters of a <text> or <tspan> with the font they are set in.
struct TextSpan {
  std::string characters;  // UTF-8, white space collapsed as SVG lays it out
  std::string fontFamily;  // the CSS family list as written ("DejaVu Sans, sans-serif")
  double fontSize = 16;    // in the text's user units
  int fontWeight = 400;    // 100..900
  bool italic = false;
  std::optional<Point> start;  // absolute x, y in the text's user units; none: after the last run
  Point shift;                 // dx, dy before the first character
  int anchor = 0;              // text-anchor of the run's chunk: 0 start, 1 middle, 2 end
};

struct Item {
  enum class Kind { kGroup, kPath, kCompoundPath, kText, kPlaced };
  Kind kind = Kind::kPath;
  std::string id;
  bool hidden = false;
  bool locked = false;
  // Art tags (name -> value), kept in the drawing under our own XML namespace.
  std::map<std::string, std::string> tags;
  Style style;
  Subpath outline;              // kPath
  std::vector<Item> children;   // kGroup; kCompoundPath (one kPath per subpath)
  std::string text;             // kText
  Point origin;                 // kText: the baseline start
  Point lowerLeft, upperRight;  // kPlaced: its bounds
  // kText: its runs, and the map from the text's user units (y down) to page points (y up):
  // page = (a*x + c*y + e, b*x + d*y + f).
  std::vector<TextSpan> spans;
  double textMatrix[6] = {1, 0, 0, 1, 0, 0};
  // Byte offset in the SVG file of the element this item was read from (-1: none), so that a
  // save can write untouched art back as it was.
  std::ptrdiff_t source = -1;
  // Made by a <use>: `source` is then the element the copy was made from, shared by every copy.
  bool copied = false;
};

struct Layer {
  std::string name;
  bool hidden = false;
  bool locked = false;
  std::vector<Item> items;
};

// Layers and locking are written as the common SVG editors write them.
inline constexpr const char kGroupModeAttribute[] = "inkscape:groupmode";
inline constexpr const char kLayerGroupMode[] = "layer";
inline constexpr const char kLabelAttribute[] = "inkscape:label";
inline constexpr const char kInsensitiveAttribute[] = "sodipodi:insensitive";

// Our XML namespace for what SVG has no word for (art tags).
inline constexpr const char kTagNamespace[] = "urn:kerfworks:tags";

// Our XML namespace for document structure that plain SVG cannot carry. A `g` whose attribute
// `art` in it says "compound-path" is a compound path of the paths inside: one `path` with several
// subpaths can only be a compound path whose parts share one style and carry no id or tags.
inline constexpr const char kStructureNamespace[] = "urn:kerfworks:svg";
inline constexpr const char kArtAttribute[] = "art";
inline constexpr const char kCompoundPathValue[] = "compound-path";

// Something of the file that was not read, or read but will not be cut, and where it was.
struct Omission {
  enum class Kind {
    kClipPath,
    kMask,
    kFilter,
    kMarker,
    kImage,
    kText,
    kForeignObject,
    kUnknownElement,
    kUnreadableColour,
    kUnreadableValue,
    kBrokenReference,
    kUnsupportedSelector,
    kBrokenPathData,
  };
  Kind kind = Kind::kUnknownElement;
  std::string detail;  // what could not be read, quoted as written; empty when the kind says all
  int line = 0;
};

struct Drawing {
  double widthPoints = 0;
  double heightPoints = 0;
  std::vector<Layer> layers;
  std::vector<Omission> omissions;
};

}  // namespace svg

#endif  // KERFWORKS_TOOLS_KWHOST_SVG_DRAWING_H
