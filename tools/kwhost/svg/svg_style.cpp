#include "tools/kwhost/svg/svg_style.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <string>

#include "tools/kwhost/svg/svg_colour.h"
#include "tools/kwhost/svg/svg_paint.h"
#include "tools/kwhost/text_parsing.h"

namespace svg {
namespace {

enum class Property {
  kNone,
  kFill,
  kStroke,
  kColor,
  kStrokeWidth,
  kLineCap,
  kLineJoin,
  kMiterLimit,
  kDashArray,
  kDashOffset,
  kVisibility,
  kDisplay,
  kClipPath,
  kMask,
  kFilter,
  kMarker,
  kMarkerStart,
  kMarkerMid,
  kMarkerEnd,
  kStopColor,
  kFontFamily,
  kFontSize,
  kFontWeight,
  kFontStyle,
  kTextAnchor,
};

struct PropertyName {
  std::string_view name;
  Property property;
};

constexpr PropertyName kProperties[] = {
    {"fill", Property::kFill},
    {"stroke", Property::kStroke},
    {"color", Property::kColor},
    {"stroke-width", Property::kStrokeWidth},
    {"stroke-linecap", Property::kLineCap},
    {"stroke-linejoin", Property::kLineJoin},
    {"stroke-miterlimit", Property::kMiterLimit},
    {"stroke-dasharray", Property::kDashArray},
    {"stroke-dashoffset", Property::kDashOffset},
    {"visibility", Property::kVisibility},
    {"display", Property::kDisplay},
    {"clip-path", Property::kClipPath},
    {"mask", Property::kMask},
    {"filter", Property::kFilter},
    {"marker", Property::kMarker},
    {"marker-start", Property::kMarkerStart},
    {"marker-mid", Property::kMarkerMid},
    {"marker-end", Property::kMarkerEnd},
    {"stop-color", Property::kStopColor},
    {"font-family", Property::kFontFamily},
    {"font-size", Property::kFontSize},
    {"font-weight", Property::kFontWeight},
    {"font-style", Property::kFontStyle},
    {"text-anchor", Property::kTextAnchor},
};

Property PropertyNamed(std::string_view name) {
  for (const PropertyName& entry : kProperties) {
    if (entry.name == name) return entry.property;
  }
  return Property::kNone;
}

constexpr struct {
  std::string_view name;
  double px;
} kFontSizeKeywords[] = {{"xx-small", 9}, {"x-small", 10}, {"small", 13},   {"medium", 16},
                         {"large", 18},   {"x-large", 24}, {"xx-large", 32}};

std::optional<double> FontSize(std::string_view value, double parentSize,
                               const LengthBasis& viewport) {
  for (const auto& keyword : kFontSizeKeywords) {
    if (value == keyword.name) return keyword.px;
  }
  if (value == "larger") return parentSize * 1.2;
  if (value == "smaller") return parentSize / 1.2;
  const auto length = ParseLength(value);
  if (!length || length->value < 0) return std::nullopt;
  if (length->unit == Length::Unit::kPercent) return length->value / 100 * parentSize;
  LengthBasis basis = viewport;
  basis.fontSize = parentSize;
  return Resolve(*length, Axis::kOther, basis);
}

std::optional<int> FontWeight(std::string_view value, int parentWeight) {
  if (value == "normal") return 400;
  if (value == "bold") return 700;
  if (value == "bolder") return parentWeight < 400 ? 400 : parentWeight < 600 ? 700 : 900;
  if (value == "lighter") return parentWeight < 600 ? 100 : parentWeight < 800 ? 400 : 700;
  const auto number = ParseNumber(value);
  if (!number || *number < 1 || *number > 1000) return std::nullopt;
  return std::clamp(static_cast<int>(std::lround(*number / 100)) * 100, 100, 900);
}

std::optional<double> NonNegative(std::optional<double> value) {
  if (value && *value < 0) return std::nullopt;
  return value;
}

std::optional<bool> Visibility(std::string_view value) {
  if (value == "visible") return false;
  if (value == "hidden" || value == "collapse") return true;
  return std::nullopt;
}

std::optional<int> TextAnchor(std::string_view value) {
  if (value == "start") return 0;
  if (value == "middle") return 1;
  if (value == "end") return 2;
  return std::nullopt;
}

// The position of `value` in `names`.
template <std::size_t N>
std::optional<int> Keyword(std::string_view value, const std::string_view (&names)[N]) {
  for (std::size_t i = 0; i < N; ++i) {
    if (names[i] == value) return static_cast<int>(i);
  }
  return std::nullopt;
}

constexpr std::string_view kLineCaps[] = {"butt", "round", "square"};
// "miter-clip" and "arcs" are miters that SVG 2 draws differently past the limit.
constexpr std::string_view kLineJoins[] = {"miter", "round", "bevel", "miter-clip", "arcs"};

std::optional<double> MiterLimit(std::string_view value) {
  const std::optional<double> limit = ParseNumber(value);
  if (!limit || *limit < 1) return std::nullopt;
  return limit;
}

// The dash lengths; an odd list is repeated to make it even, as SVG draws it, and a list of
// zeros is solid. Nullopt for a negative or unreadable length.
std::optional<std::vector<double>> DashArray(std::string_view value, const LengthBasis& basis) {
  std::vector<double> dashes;
  if (value == "none") return dashes;
  std::string list(value);
  std::replace_if(
      list.begin(), list.end(),
      [](char c) { return c == ',' || std::isspace(static_cast<unsigned char>(c)); }, ' ');
  for (const std::string& part : kwhost::Split(list, ' ')) {
    if (kwhost::Trim(part).empty()) continue;
    const std::optional<double> length = ResolveLength(kwhost::Trim(part), Axis::kOther, basis);
    if (!length || *length < 0) return std::nullopt;
    dashes.push_back(*length);
  }
  if (dashes.size() % 2 == 1) dashes.insert(dashes.end(), dashes.begin(), dashes.end());
  if (std::all_of(dashes.begin(), dashes.end(), [](double d) { return d == 0; })) dashes.clear();
  return dashes;
}

std::string Quoted(std::string_view property, std::string_view value) {
  return std::string(property) + ' ' + svg::Quoted(value);
}

}  // namespace

ComputedStyle Cascade::Resolve(const pugi::xml_node& element, const ComputedStyle& parent,
                               const LengthBasis& viewport) {
  ComputedStyle style = parent;
  style.displayNone = style.clipped = style.masked = style.filtered = false;
  style.stopColor = Paint{true, 0, 0, 0};

  // Lowest first: presentation attributes, sheet rules, style="", then the !important ones.
  std::vector<Declaration> declarations;
  for (const pugi::xml_attribute& attribute : element.attributes()) {
    const std::string_view name = attribute.name();
    if (PropertyNamed(name) != Property::kNone && name != "marker") {
      declarations.push_back(Declaration{name, kwhost::Trim(attribute.value()), false});
    }
  }
  std::vector<const Rule*> rules;
  if (!sheet_.Empty()) sheet_.Matching(element, rules);
  std::vector<Declaration> inline_;
  ParseDeclarations(element.attribute("style").value(), inline_);
  for (bool important : {false, true}) {
    for (const Rule* rule : rules) {
      for (const Declaration& declaration : rule->declarations) {
        if (declaration.important == important) declarations.push_back(declaration);
      }
    }
    for (const Declaration& declaration : inline_) {
      if (declaration.important == important) declarations.push_back(declaration);
    }
  }
  // The font size first: ems of the other properties are of the element's own.
  for (const Declaration& declaration : declarations) {
    if (PropertyNamed(declaration.property) == Property::kFontSize)
      Apply(declaration, element, parent, viewport, style);
  }
  for (const Declaration& declaration : declarations) {
    if (PropertyNamed(declaration.property) != Property::kFontSize)
      Apply(declaration, element, parent, viewport, style);
  }
  if (style.fillIsCurrentColor) style.fill = style.color;
  if (style.strokeIsCurrentColor) style.stroke = style.color;
  return style;
}

void Cascade::Apply(const Declaration& declaration, const pugi::xml_node& element,
                    const ComputedStyle& parent, const LengthBasis& viewport,
                    ComputedStyle& style) {
  const std::string_view value = declaration.value;
  const Property property = PropertyNamed(declaration.property);
  const bool inherit = value == "inherit";
  // The declared value, or the parent's for `inherit`; an unreadable one is told and ignored.
  auto take = [&](auto& field, const auto& inherited, const auto& parsed) {
    if (inherit) {
      field = inherited;
    } else if (parsed) {
      field = *parsed;
    } else {
      log_.Add(Omission::Kind::kUnreadableValue, element, Quoted(declaration.property, value));
    }
  };
  switch (property) {
    case Property::kNone:
      return;
    case Property::kFill:
      ApplyPaint(value, element, parent.fill, parent.fillIsCurrentColor, style, style.fill,
                 style.fillIsCurrentColor);
      return;
    case Property::kStroke:
      ApplyPaint(value, element, parent.stroke, parent.strokeIsCurrentColor, style, style.stroke,
                 style.strokeIsCurrentColor);
      return;
    case Property::kColor:
    case Property::kStopColor: {
      Paint& target = property == Property::kColor ? style.color : style.stopColor;
      if (inherit || (property == Property::kColor && (value == "currentColor"))) {
        target = property == Property::kColor ? parent.color : parent.stopColor;
      } else if (value == "currentColor") {
        target = style.color;
      } else if (auto colour = ParseColour(value)) {
        target = *colour;
      } else {
        log_.Add(Omission::Kind::kUnreadableColour, element, Quoted(value));
      }
      return;
    }
    case Property::kStrokeWidth: {
      LengthBasis basis = viewport;
      basis.fontSize = style.fontSize;
      take(style.strokeWidth, parent.strokeWidth,
           NonNegative(ResolveLength(value, Axis::kOther, basis)));
      return;
    }
    case Property::kLineCap:
      take(style.lineCap, parent.lineCap, Keyword(value, kLineCaps));
      return;
    case Property::kLineJoin: {
      std::optional<int> join = Keyword(value, kLineJoins);
      if (join && *join > 2) join = 0;
      take(style.lineJoin, parent.lineJoin, join);
      return;
    }
    case Property::kMiterLimit:
      take(style.miterLimit, parent.miterLimit, MiterLimit(value));
      return;
    case Property::kDashArray: {
      LengthBasis basis = viewport;
      basis.fontSize = style.fontSize;
      take(style.dashes, parent.dashes, DashArray(value, basis));
      return;
    }
    case Property::kDashOffset: {
      LengthBasis basis = viewport;
      basis.fontSize = style.fontSize;
      take(style.dashOffset, parent.dashOffset, ResolveLength(value, Axis::kOther, basis));
      return;
    }
    case Property::kVisibility:
      take(style.visibilityHidden, parent.visibilityHidden, Visibility(value));
      return;
    case Property::kDisplay:
      style.displayNone = inherit ? parent.displayNone : value == "none";
      return;
    case Property::kClipPath:
      style.clipped = inherit ? parent.clipped : value != "none";
      return;
    case Property::kMask:
      style.masked = inherit ? parent.masked : value != "none";
      return;
    case Property::kFilter:
      style.filtered = inherit ? parent.filtered : value != "none";
      return;
    case Property::kMarker:
    case Property::kMarkerStart:
    case Property::kMarkerMid:
    case Property::kMarkerEnd: {
      const int bits = property == Property::kMarker        ? 7
                       : property == Property::kMarkerStart ? 1
                       : property == Property::kMarkerMid   ? 2
                                                            : 4;
      const int on = inherit ? parent.markers & bits : value != "none" ? bits : 0;
      style.markers = (style.markers & ~bits) | on;
      return;
    }
    case Property::kFontFamily:
      style.fontFamily = inherit ? parent.fontFamily : value;
      return;
    case Property::kFontSize:
      take(style.fontSize, parent.fontSize, FontSize(value, parent.fontSize, viewport));
      return;
    case Property::kFontWeight:
      take(style.fontWeight, parent.fontWeight, FontWeight(value, parent.fontWeight));
      return;
    case Property::kFontStyle:
      style.italic = inherit ? parent.italic : value == "italic" || value.starts_with("oblique");
      return;
    case Property::kTextAnchor:
      take(style.textAnchor, parent.textAnchor, TextAnchor(value));
      return;
  }
}

void Cascade::ApplyPaint(std::string_view value, const pugi::xml_node& element,
                         const Paint& inherited, bool inheritedCurrent, const ComputedStyle& style,
                         Paint& paint, bool& isCurrentColor) {
  if (value == "inherit") {
    paint = inherited;
    isCurrentColor = inheritedCurrent;
    return;
  }
  const std::optional<PaintSpec> spec = ParsePaint(value);
  if (!spec) {
    const bool reference = value.starts_with("url(");
    log_.Add(reference ? Omission::Kind::kBrokenReference : Omission::Kind::kUnreadableColour,
             element, Quoted(value));
    return;
  }
  isCurrentColor = false;
  if (!spec->server.empty()) {
    const pugi::xml_node server = ids_.Find(spec->server);
    const std::string_view kind = LocalName(server);
    if (kind == "linearGradient" || kind == "radialGradient" || kind == "pattern" ||
        kind == "meshgradient" || kind == "hatch") {
      paint = ServerColour(server);
      return;
    }
    if (!spec->fallbackGiven) {
      log_.Add(Omission::Kind::kBrokenReference, element, Quoted(value));
    }
  }
  switch (spec->kind) {
    case PaintSpec::Kind::kNone:
      paint = Paint{};
      return;
    case PaintSpec::Kind::kColour:
      paint = spec->colour;
      return;
    case PaintSpec::Kind::kCurrentColor:
      isCurrentColor = true;
      return;
    case PaintSpec::Kind::kContextFill:
      paint = style.contextFill;
      return;
    case PaintSpec::Kind::kContextStroke:
      paint = style.contextStroke;
      return;
  }
}

Paint Cascade::ServerColour(const pugi::xml_node& server) {
  // Gradients may take their stops from another through href; a few steps bound a cycle.
  pugi::xml_node gradient = server;
  for (int step = 0; step < 8 && gradient; ++step) {
    for (const pugi::xml_node& child : gradient.children()) {
      if (IsSvgElement(child) && LocalName(child) == "stop") {
        return Resolve(child, ComputedStyle{}, LengthBasis{}).stopColor;
      }
    }
    const auto next = LocalReference(Href(gradient));
    gradient = next ? ids_.Find(*next) : pugi::xml_node();
  }
  return Paint{true, 0, 0, 0};
}

}  // namespace svg
