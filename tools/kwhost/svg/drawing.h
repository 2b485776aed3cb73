// An SVG drawing as the host's document will hold it: page size and coordinates in points, y up
// from the page's bottom edge; every outline already made of cubic Bézier anchors.
#ifndef KERFWORKS_TOOLS_KWHOST_SVG_DRAWING_H
#define KERFWORKS_TOOLS_KWHOST_SVG_DRAWING_H

#include <map>
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

struct Drawing {
  double widthPoints = 0;
  double heightPoints = 0;
  std::vector<Layer> layers;
};

}  // namespace svg

#endif  // KERFWORKS_TOOLS_KWHOST_SVG_DRAWING_H
