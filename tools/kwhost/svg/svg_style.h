// The CSS cascade of an element: style sheet rules, presentation attributes and style="", with
// !important, inheritance, `inherit` and currentColor, each value parsed once.
#ifndef KERFWORKS_TOOLS_KWHOST_SVG_SVG_STYLE_H
#define KERFWORKS_TOOLS_KWHOST_SVG_SVG_STYLE_H

#include <pugixml.hpp>

#include <string_view>
#include <vector>

#include "tools/kwhost/svg/drawing.h"
#include "tools/kwhost/svg/svg_css.h"
#include "tools/kwhost/svg/svg_element.h"
#include "tools/kwhost/svg/svg_length.h"
#include "tools/kwhost/svg/svg_omissions.h"

namespace svg {

// What an element's style resolves to, lengths in its user units.
struct ComputedStyle {
  Paint fill{true, 0, 0, 0};
  Paint stroke;
  bool fillIsCurrentColor = false;  // inherited as the keyword: each element uses its own colour
  bool strokeIsCurrentColor = false;
  Paint color{true, 0, 0, 0};
  // What context-fill and context-stroke paint with: the <use> that made a copy, else black.
  Paint contextFill{true, 0, 0, 0};
  Paint contextStroke{true, 0, 0, 0};
  double strokeWidth = 1;
  int lineCap = 0;   // butt, round, square
  int lineJoin = 0;  // miter, round, bevel
  double miterLimit = 4;
  std::vector<double> dashes;  // empty: solid
  double dashOffset = 0;
  bool visibilityHidden = false;
  int markers = 0;  // one bit each for marker-start, -mid and -end
  std::string_view fontFamily = "serif";
  double fontSize = 16;
  int fontWeight = 400;
  bool italic = false;
  int textAnchor = 0;  // 0 start, 1 middle, 2 end
  // Not inherited:
  bool displayNone = false;
  bool clipped = false;
  bool masked = false;
  bool filtered = false;
  Paint stopColor{true, 0, 0, 0};
};

class Cascade {
 public:
  // The sheet, the id index and the log must outlive the cascade.
  Cascade(const StyleSheet& sheet, const IdIndex& ids, OmissionLog& log)
      : sheet_(sheet), ids_(ids), log_(log) {}

  // The element's declarations in cascade order applied over its parent's computed style.
  // `viewport` resolves percentages (the font size is the element's own).
  ComputedStyle Resolve(const pugi::xml_node& element, const ComputedStyle& parent,
                        const LengthBasis& viewport);

 private:
  void Apply(const Declaration& declaration, const pugi::xml_node& element,
             const ComputedStyle& parent, const LengthBasis& viewport, ComputedStyle& style);
  void ApplyPaint(std::string_view value, const pugi::xml_node& element, const Paint& inherited,
                  bool inheritedCurrent, const ComputedStyle& style, Paint& paint,
                  bool& isCurrentColor);
  // A colour to stand for a gradient's or pattern's paint: its first stop's.
  Paint ServerColour(const pugi::xml_node& server);

  const StyleSheet& sheet_;
  const IdIndex& ids_;
  OmissionLog& log_;
};

}  // namespace svg

#endif  // KERFWORKS_TOOLS_KWHOST_SVG_SVG_STYLE_H
