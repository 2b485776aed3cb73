// Path data (the `d` of a path) read straight into the drawing's cubic Bézier anchors: every
// command, absolute and relative, with implicit repeats; quadratics raised to cubic, arcs cut into
// cubics of at most a quarter turn. Numbers are read without copies or locale; this is the hot
// loop of reading large drawings.
#ifndef KERFWORKS_TOOLS_KWHOST_SVG_PATH_DATA_PARSER_H
#define KERFWORKS_TOOLS_KWHOST_SVG_PATH_DATA_PARSER_H

#include <2geom/affine.h>

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tools/kwhost/svg/drawing.h"

namespace svg {

// Where the data stops being readable, and why.
struct PathDataError {
  std::size_t offset = 0;  // of the first character that cannot be read
  std::string message;
};

struct PathOutline {
  // One per subpath, mapped through the transform: closed subpaths without a duplicated last
  // anchor, straight segments with their handles on their anchors.
  std::vector<Subpath> subpaths;
  // Set when the data holds an error: `subpaths` then holds what comes before the command that
  // holds it, as SVG renders such a path.
  std::optional<PathDataError> error;
};

PathOutline ParsePathData(std::string_view data, const Geom::Affine& transform);

}  // namespace svg

#endif  // KERFWORKS_TOOLS_KWHOST_SVG_PATH_DATA_PARSER_H
