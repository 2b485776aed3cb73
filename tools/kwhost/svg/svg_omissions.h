// What the reader leaves out: recorded with the line of its element while reading, and told to the
// user in one line afterwards.
#ifndef KERFWORKS_TOOLS_KWHOST_SVG_SVG_OMISSIONS_H
#define KERFWORKS_TOOLS_KWHOST_SVG_SVG_OMISSIONS_H

#include <pugixml.hpp>

#include <cstddef>
#include <set>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "tools/kwhost/svg/drawing.h"
#include "tools/kwhost/svg/svg_source.h"

namespace svg {

class OmissionLog {
 public:
  // `text` is the file the nodes are parsed from, before the parser rewrites it; `out` receives the
  // omissions.
  OmissionLog(std::string_view text, std::vector<Omission>& out) : lines_(text), out_(out) {}

  // Records one omission; the same kind, detail and element again is recorded once.
  void Add(Omission::Kind kind, const pugi::xml_node& node, std::string detail = {});

  // 1-based line of a byte offset into the text.
  int LineAt(std::ptrdiff_t offset) const { return lines_.LineAt(offset); }

 private:
  LineIndex lines_;
  std::vector<Omission>& out_;
  std::set<std::tuple<Omission::Kind, std::ptrdiff_t, std::string>> seen_;
};

// A detail as the summary shows it: "text".
std::string Quoted(std::string_view text);

// "left out: 3 clip paths (clipped art is cut whole), 1 unreadable colour "bluish" (line 14)";
// empty when nothing was left out.
std::string LeftOutLine(const std::vector<Omission>& omissions);

// Paths hidden themselves or by their layer: they stay in the document.
int HiddenPaths(const Drawing& drawing);
// Those of one item of a layer, hidden or not.
int HiddenPaths(const Item& item, bool layerHidden);

}  // namespace svg

#endif  // KERFWORKS_TOOLS_KWHOST_SVG_SVG_OMISSIONS_H
