#include "tools/kwhost/svg/svg_tree.h"

#include <2geom/transforms.h>

#include <algorithm>
#include <cctype>
#include <optional>
#include <string_view>

#include "tools/kwhost/svg/drawing.h"
#include "tools/kwhost/svg/svg_transform.h"
#include "tools/kwhost/svg/svg_viewport.h"
#include "tools/kwhost/text_parsing.h"

namespace svg {
namespace {

constexpr std::string_view kShapes[] = {"path", "rect",     "circle", "ellipse",
                                        "line", "polyline", "polygon"};

// Elements that draw nothing where they stand: definitions, resources, metadata, animation.
constexpr std::string_view kNotDrawn[] = {"defs",
                                          "symbol",
                                          "clipPath",
                                          "mask",
                                          "pattern",
                                          "marker",
                                          "linearGradient",
                                          "radialGradient",
                                          "meshgradient",
                                          "hatch",
                                          "solidcolor",
                                          "filter",
                                          "style",
                                          "script",
                                          "title",
                                          "desc",
                                          "metadata",
                                          "font",
                                          "font-face",
                                          "glyph",
                                          "missing-glyph",
                                          "cursor",
                                          "view",
                                          "stop",
                                          "animate",
                                          "animateMotion",
                                          "animateTransform",
                                          "animateColor",
                                          "set",
                                          "discard",
                                          "mpath",
                                          "tspan",
                                          "textPath",
                                          "tref",
                                          "altGlyphDef",
                                          "color-profile"};

// More copies than any real drawing makes: a file of nested <use>s must not exhaust memory.
constexpr int kMostCopies = 100'000;

bool OneOf(std::string_view name, const auto& names) {
  return std::find(std::begin(names), std::end(names), name) != std::end(names);
}

bool SameLanguage(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) ==
                  std::tolower(static_cast<unsigned char>(y));
         });
}

// Room for a node per child element: a large drawing has thousands of them in one place, and
// growing the list there step by step holds it up to three times over.
std::size_t ElementsIn(const pugi::xml_node& parent) {
  std::size_t count = 0;
  for (const pugi::xml_node& child : parent.children()) count += child.type() == pugi::node_element;
  return count;
}

class Normaliser {
 public:
  Normaliser(const std::string& language, Cascade& cascade, const IdIndex& ids, OmissionLog& log)
      : language_(language), cascade_(cascade), ids_(ids), log_(log) {}

  Tree Run(const pugi::xml_node& root) {
    if (!IsSvgElement(root) || LocalName(root) != "svg")
      throw TreeError(root, "the root element is not <svg>");
    Tree tree;
    Node top;
    top.element = root;
    top.toPage = RootTransform(root, tree, top.lengths);
    top.style = cascade_.Resolve(root, ComputedStyle{}, top.lengths);
    top.lengths.fontSize = top.style.fontSize;
    top.undisplayed = top.style.displayNone;
    tree.nodes.reserve(ElementsIn(root));
    for (const pugi::xml_node& child : root.children()) {
      if (IsLayer(child)) {
        AddLayer(child, top, tree.nodes);
      } else {
        Add(child, top, tree.nodes, false);
      }
    }
    tree.selfContained = selfContained_;
    return tree;
  }

 private:
  static bool IsLayer(const pugi::xml_node& element) {
    return IsSvgElement(element) && LocalName(element) == "g" &&
           std::string_view(element.attribute(kGroupModeAttribute).value()) == kLayerGroupMode;
  }

  // The root's user units to page points, y flipped to grow up from the bottom edge; the page size
  // into `tree` and the root viewport into `viewport`.
  Geom::Affine RootTransform(const pugi::xml_node& root, Tree& tree, LengthBasis& viewport) {
    const auto box = ParseViewBox(root.attribute("viewBox").value());
    // In points, so that a size written in points is kept exactly.
    auto length = [&](const char* name) -> std::optional<double> {
      const pugi::xml_attribute attribute = root.attribute(name);
      if (!attribute) return std::nullopt;
      const auto parsed = ParseLength(attribute.value());
      if (!parsed || parsed->value <= 0) {
        throw TreeError(root, std::string("the root's ") + name + " \"" + attribute.value() +
                                  "\" is not a length");
      }
      // A percentage of a window the file does not have: the viewBox decides instead.
      if (parsed->unit == Length::Unit::kPercent) return std::nullopt;
      if (auto points = LengthInPoints(attribute.value())) return *points;
      return Resolve(*parsed, Axis::kOther, LengthBasis{}) * kPointsPerUserUnit;
    };
    std::optional<double> width = length("width"), height = length("height");
    if (box) {
      // What is missing follows the viewBox's proportions, or its size when both are.
      if (!width && !height) {
        width = box->width * kPointsPerUserUnit;
        height = box->height * kPointsPerUserUnit;
      } else if (!width) {
        width = *height * box->width / box->height;
      } else if (!height) {
        height = *width * box->height / box->width;
      }
    }
    if (!width || !height) {
      throw TreeError(root,
                      "the drawing gives no page size: no width and height in absolute units and "
                      "no viewBox");
    }
    tree.widthPoints = *width;
    tree.heightPoints = *height;
    viewport.viewportWidth = box ? box->width : *width / kPointsPerUserUnit;
    viewport.viewportHeight = box ? box->height : *height / kPointsPerUserUnit;
    const Geom::Affine userToPoints =
        box ? FitViewBox(*box, AspectRatioOf(root), 0, 0, *width, *height)
            : Geom::Affine(Geom::Scale(kPointsPerUserUnit));
    return Transform(root) * userToPoints * Geom::Affine(1, 0, 0, -1, 0, *height);
  }

  Geom::Affine Transform(const pugi::xml_node& element) {
    const pugi::xml_attribute attribute = element.attribute("transform");
    if (!attribute) return Geom::identity();
    if (auto transform = ParseTransform(attribute.value())) return *transform;
    log_.Add(Omission::Kind::kUnreadableValue, element,
             std::string("transform \"") + attribute.value() + "\"");
    return Geom::identity();
  }

  AspectRatio AspectRatioOf(const pugi::xml_node& element) {
    const char* text = element.attribute("preserveAspectRatio").value();
    if (auto ratio = ParseAspectRatio(text)) return *ratio;
    log_.Add(Omission::Kind::kUnreadableValue, element,
             std::string("preserveAspectRatio \"") + text + "\"");
    return AspectRatio{};
  }

  double LengthOf(const pugi::xml_node& element, const char* name, Axis axis,
                  const LengthBasis& basis, double fallback) {
    const pugi::xml_attribute attribute = element.attribute(name);
    if (!attribute) return fallback;
    if (auto value = ResolveLength(attribute.value(), axis, basis)) return *value;
    log_.Add(Omission::Kind::kUnreadableValue, element,
             std::string(name) + " \"" + attribute.value() + "\"");
    return fallback;
  }

  // The element as a node below `parent`: its transform, style and visibility.
  Node Begin(const pugi::xml_node& element, const Node& parent, bool copied) {
    Node node;
    node.element = element;
    node.copied = copied;
    node.toPage = Transform(element) * parent.toPage;
    node.style = cascade_.Resolve(element, parent.style, parent.lengths);
    node.lengths = parent.lengths;
    node.lengths.fontSize = node.style.fontSize;
    node.undisplayed = parent.undisplayed || node.style.displayNone;
    if (node.style.clipped) log_.Add(Omission::Kind::kClipPath, element);
    if (node.style.masked) log_.Add(Omission::Kind::kMask, element);
    if (node.style.filtered) log_.Add(Omission::Kind::kFilter, element);
    return node;
  }

  bool ConditionsPass(const pugi::xml_node& element) const {
    if (element.attribute("requiredExtensions")) return false;
    const pugi::xml_attribute languages = element.attribute("systemLanguage");
    if (!languages) return true;
    for (const std::string& written : kwhost::Split(languages.value(), ',')) {
      const std::string_view tag = kwhost::Trim(written);
      if (SameLanguage(tag, language_) ||
          (tag.size() > language_.size() && tag[language_.size()] == '-' &&
           SameLanguage(tag.substr(0, language_.size()), language_))) {
        return true;
      }
    }
    return false;
  }

  void Add(const pugi::xml_node& element, const Node& parent, std::vector<Node>& out, bool copied) {
    if (!IsSvgElement(element) || !ConditionsPass(element)) return;
    const std::string_view name = LocalName(element);
    if (name == "g" || name == "a" || name == "switch") {
      Node group = Begin(element, parent, copied);
      for (const pugi::xml_node& child : element.children()) {
        const std::size_t before = group.children.size();
        Add(child, group, group.children, copied);
        // A switch draws its first child that passes its tests, and nothing after it.
        if (name == "switch" && IsSvgElement(child) && ConditionsPass(child) &&
            (group.children.size() > before || !OneOf(LocalName(child), kNotDrawn))) {
          break;
        }
      }
      out.push_back(std::move(group));
    } else if (name == "svg") {
      NestedViewport(element, parent, out, copied, element);
    } else if (name == "use") {
      Use(element, parent, out, copied);
    } else if (OneOf(name, kShapes)) {
      Node shape = Begin(element, parent, copied);
      shape.kind = Node::Kind::kShape;
      if (shape.style.markers != 0) log_.Add(Omission::Kind::kMarker, element);
      out.push_back(std::move(shape));
    } else if (name == "text") {
      Node text = Begin(element, parent, copied);
      text.kind = Node::Kind::kText;
      selfContained_ = false;
      log_.Add(Omission::Kind::kText, element);
      out.push_back(std::move(text));
    } else if (name == "image") {
      Node image = Begin(element, parent, copied);
      image.kind = Node::Kind::kImage;
      log_.Add(Omission::Kind::kImage, element);
      out.push_back(std::move(image));
    } else if (name == "foreignObject") {
      log_.Add(Omission::Kind::kForeignObject, element);
    } else if (!OneOf(name, kNotDrawn)) {
      log_.Add(Omission::Kind::kUnknownElement, element, std::string(1, '<').append(name) + '>');
    }
  }

  void AddLayer(const pugi::xml_node& element, const Node& parent, std::vector<Node>& out) {
    if (!ConditionsPass(element)) return;
    Node layer = Begin(element, parent, false);
    layer.layer = true;
    // The layer hides its art without making each object hidden, as in the host.
    const bool layerUndisplayed = layer.undisplayed;
    layer.undisplayed = false;
    layer.children.reserve(ElementsIn(element));
    for (const pugi::xml_node& child : element.children()) Add(child, layer, layer.children, false);
    layer.undisplayed = layerUndisplayed;
    out.push_back(std::move(layer));
  }

  // A nested <svg>, or a <symbol> or <svg> a <use> draws (`sizeFrom` the <use> then): a new
  // viewport at x, y of width by height, the viewBox fitted into it.
  void NestedViewport(const pugi::xml_node& element, const Node& parent, std::vector<Node>& out,
                      bool copied, const pugi::xml_node& sizeFrom) {
    Node viewport = Begin(element, parent, copied);
    const LengthBasis& outer = parent.lengths;
    const bool symbol = LocalName(element) == "symbol";
    const double x = symbol ? 0 : LengthOf(element, "x", Axis::kWidth, outer, 0);
    const double y = symbol ? 0 : LengthOf(element, "y", Axis::kHeight, outer, 0);
    auto size = [&](const char* name, Axis axis, double whole) {
      const pugi::xml_node from = sizeFrom.attribute(name) ? sizeFrom : element;
      return LengthOf(from, name, axis, outer, whole);
    };
    const double width = size("width", Axis::kWidth, outer.viewportWidth);
    const double height = size("height", Axis::kHeight, outer.viewportHeight);
    const auto box = ParseViewBox(element.attribute("viewBox").value());
    if (box) {
      viewport.toPage =
          FitViewBox(*box, AspectRatioOf(element), x, y, width, height) * viewport.toPage;
    } else {
      viewport.toPage = Geom::Translate(x, y) * viewport.toPage;
    }
    viewport.lengths.viewportWidth = box ? box->width : width;
    viewport.lengths.viewportHeight = box ? box->height : height;
    for (const pugi::xml_node& child : element.children())
      Add(child, viewport, viewport.children, copied);
    out.push_back(std::move(viewport));
  }

  void Use(const pugi::xml_node& element, const Node& parent, std::vector<Node>& out, bool copied) {
    const std::string_view href = Href(element);
    const auto id = LocalReference(href);
    const pugi::xml_node target = id ? ids_.Find(*id) : pugi::xml_node();
    if (!target) {
      log_.Add(Omission::Kind::kBrokenReference, element, Quoted(href));
      return;
    }
    bool cycle = std::find(copying_.begin(), copying_.end(), target) != copying_.end();
    for (pugi::xml_node above = element; above && !cycle; above = above.parent())
      cycle = above == target;
    if (cycle || copies_ >= kMostCopies) {
      log_.Add(Omission::Kind::kBrokenReference, element,
               Quoted(href) + (cycle ? " (refers to itself)" : " (too many)"));
      return;
    }
    ++copies_;
    selfContained_ = false;
    Node use = Begin(element, parent, copied);
    use.toPage = Geom::Translate(LengthOf(element, "x", Axis::kWidth, parent.lengths, 0),
                                 LengthOf(element, "y", Axis::kHeight, parent.lengths, 0)) *
                 use.toPage;
    use.style.contextFill = use.style.fill.on ? use.style.fill : parent.style.contextFill;
    use.style.contextStroke = use.style.stroke.on ? use.style.stroke : parent.style.contextStroke;
    copying_.push_back(target);
    const std::string_view kind = LocalName(target);
    if (IsSvgElement(target) && (kind == "symbol" || kind == "svg")) {
      NestedViewport(target, use, use.children, true, element);
    } else {
      Add(target, use, use.children, true);
    }
    copying_.pop_back();
    out.push_back(std::move(use));
  }

  const std::string& language_;
  Cascade& cascade_;
  const IdIndex& ids_;
  OmissionLog& log_;
  std::vector<pugi::xml_node> copying_;  // the elements being copied, outermost first
  int copies_ = 0;
  bool selfContained_ = true;
};

}  // namespace

Tree NormaliseTree(const pugi::xml_node& root, const std::string& language, Cascade& cascade,
                   const IdIndex& ids, OmissionLog& log) {
  return Normaliser(language, cascade, ids, log).Run(root);
}

}  // namespace svg
