// The normalised drawing: the XML tree with the cascade applied, <use> copies made, <switch>
// decided, viewports turned into transforms, and only what is drawn kept.
#ifndef KERFWORKS_TOOLS_KWHOST_SVG_SVG_TREE_H
#define KERFWORKS_TOOLS_KWHOST_SVG_SVG_TREE_H

#include <2geom/affine.h>
#include <pugixml.hpp>

#include <stdexcept>
#include <string>
#include <vector>

#include "tools/kwhost/svg/svg_element.h"
#include "tools/kwhost/svg/svg_length.h"
#include "tools/kwhost/svg/svg_omissions.h"
#include "tools/kwhost/svg/svg_style.h"

namespace svg {

// Something the drawing cannot be read without, at `node`.
class TreeError : public std::runtime_error {
 public:
  TreeError(const pugi::xml_node& at, const std::string& what)
      : std::runtime_error(what), node(at) {}
  pugi::xml_node node;
};

struct Node {
  enum class Kind { kGroup, kShape, kText, kImage };
  Kind kind = Kind::kGroup;
  pugi::xml_node element;    // for a copy, the element copied
  bool copied = false;       // made by a <use>
  bool layer = false;        // a top-level group marked as a layer
  bool undisplayed = false;  // display:none here or above (below a layer: not the layer's own)
  Geom::Affine toPage;       // the element's user units to page points
  ComputedStyle style;
  LengthBasis lengths;  // what its lengths resolve against: the nearest viewport, its font size
  std::vector<Node> children;

  bool Hidden() const { return undisplayed || style.visibilityHidden; }
};

struct Tree {
  double widthPoints = 0, heightPoints = 0;
  std::vector<Node> nodes;  // what the root element draws
  // Turning a node into art reads no element but its own, those inside it and those above it:
  // false when the drawing has copies (<use>) or text, which read elements anywhere.
  bool selfContained = true;
};

// `language` decides systemLanguage tests. Throws TreeError when the drawing has no page size or
// its root is no <svg>.
Tree NormaliseTree(const pugi::xml_node& root, const std::string& language, Cascade& cascade,
                   const IdIndex& ids, OmissionLog& log);

}  // namespace svg

#endif  // KERFWORKS_TOOLS_KWHOST_SVG_SVG_TREE_H
