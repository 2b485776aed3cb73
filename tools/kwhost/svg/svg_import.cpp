#include "tools/kwhost/svg/svg_import.h"

#include <2geom/transforms.h>
#include <pugixml.hpp>

#include <algorithm>
#include <cmath>
#include <string_view>
#include <vector>

#include "tools/kwhost/svg/svg_geometry.h"
#include "tools/kwhost/svg/svg_length.h"
#include "tools/kwhost/svg/svg_source.h"
#include "tools/kwhost/svg/svg_style.h"
#include "tools/kwhost/svg/svg_transform.h"

namespace svg {
namespace {

// Where an element's user units land on the page, and what it inherits.
struct Context {
  Geom::Affine toPage;
  ComputedStyle style;
  bool hidden = false;
};

std::string_view LocalName(const pugi::xml_node& node) {
  std::string_view name = node.name();
  const auto colon = name.find(':');
  return colon == std::string_view::npos ? name : name.substr(colon + 1);
}

// Stroke widths scale with the transform's mean linear factor.
double ScaleOf(const Geom::Affine& affine) {
  return std::sqrt(std::abs(affine.det()));
}

std::vector<double> Numbers(std::string_view text) {
  std::vector<double> out;
  std::string token;
  for (char c : std::string(text) + " ") {
    if (c == ' ' || c == ',' || c == '\t' || c == '\n' || c == '\r') {
      if (!token.empty()) {
        if (auto n = ParseNumber(token)) out.push_back(*n);
        token.clear();
      }
    } else {
      token += c;
    }
  }
  return out;
}

Style PageStyle(const ComputedStyle& computed, const Geom::Affine& toPage) {
  return Style{computed.fill, computed.stroke, computed.strokeWidth * ScaleOf(toPage)};
}

std::string TextContent(const pugi::xml_node& node) {
  std::string text;
  for (const pugi::xml_node& child : node.children()) {
    if (child.type() == pugi::node_pcdata || child.type() == pugi::node_cdata) {
      text += child.value();
    } else if (child.type() == pugi::node_element) {
      text += TextContent(child);
    }
  }
  return text;
}

class Importer {
 public:
  Importer(std::string name, const LineIndex& lines) : name_(std::move(name)), lines_(lines) {}

  Drawing Run(const pugi::xml_document& document) {
    const pugi::xml_node root = document.document_element();
    if (LocalName(root) != "svg") Fail(root, "the root element is not <svg>");
    Drawing drawing;
    Context context;
    context.toPage = RootTransform(root, drawing);
    context.style = ResolveStyle(root, ComputedStyle{});
    Layer* looseLayer = nullptr;
    for (const pugi::xml_node& child : root.children()) {
      if (child.type() != pugi::node_element) continue;
      if (LocalName(child) == "g" &&
          std::string_view(child.attribute(kGroupModeAttribute).value()) == kLayerGroupMode) {
        Context inner = Inner(child, context);
        Layer layer;
        layer.locked = IsLocked(child);
        layer.name = child.attribute(kLabelAttribute).value();
        if (layer.name.empty()) layer.name = child.attribute("id").value();
        layer.hidden = inner.hidden;
        // A hidden layer hides its art without making each object hidden, as in the host.
        inner.hidden = false;
        for (const pugi::xml_node& grandchild : child.children())
          AddItem(grandchild, inner, layer.items);
        drawing.layers.push_back(std::move(layer));
        continue;
      }
      std::vector<Item> items;
      AddItem(child, context, items);
      if (items.empty()) continue;
      if (looseLayer == nullptr) {
        drawing.layers.push_back(Layer{kDefaultLayerName, false, false, {}});
        looseLayer = &drawing.layers.back();
      }
      for (Item& item : items) looseLayer->items.push_back(std::move(item));
      looseLayer = &drawing.layers.back();  // the vector may have moved
    }
    if (drawing.layers.empty())
      drawing.layers.push_back(Layer{kDefaultLayerName, false, false, {}});
    return drawing;
  }

 private:
  // User units of the root to page points, y flipped so that it grows up from the bottom edge.
  Geom::Affine RootTransform(const pugi::xml_node& root, Drawing& drawing) {
    const std::vector<double> viewBox = Numbers(root.attribute("viewBox").value());
    const bool hasViewBox = viewBox.size() == 4 && viewBox[2] > 0 && viewBox[3] > 0;
    auto length = [&](const char* attribute, double fallbackUserUnits) {
      const char* text = root.attribute(attribute).value();
      if (*text != '\0' && std::string_view(text).find('%') == std::string_view::npos) {
        auto points = LengthInPoints(text);
        if (!points || *points <= 0) {
          Fail(root, std::string("the root's ") + attribute + " \"" + text + "\" is not a length");
        }
        return *points;
      }
      return fallbackUserUnits * 0.75;
    };
    const double width = length("width", hasViewBox ? viewBox[2] : 0);
    const double height = length("height", hasViewBox ? viewBox[3] : 0);
    if (width <= 0 || height <= 0) {
      Fail(root, "the drawing has no size (no width, height or viewBox)");
    }
    drawing.widthPoints = width;
    drawing.heightPoints = height;
    Geom::Affine userToPoints = Geom::Scale(0.75);
    if (hasViewBox) {
      // preserveAspectRatio's default: scale uniformly to fit, centred.
      const double scale = std::min(width / viewBox[2], height / viewBox[3]);
      const double dx = (width - viewBox[2] * scale) / 2 - viewBox[0] * scale;
      const double dy = (height - viewBox[3] * scale) / 2 - viewBox[1] * scale;
      userToPoints = Geom::Affine(scale, 0, 0, scale, dx, dy);
    }
    return userToPoints * Geom::Affine(1, 0, 0, -1, 0, height);
  }

  Context Inner(const pugi::xml_node& element, const Context& outer) {
    Context inner = outer;
    if (auto transform = ParseTransform(element.attribute("transform").value())) {
      inner.toPage = *transform * outer.toPage;
    }
    inner.style = ResolveStyle(element, outer.style);
    inner.hidden = outer.hidden || inner.style.displayNone;
    return inner;
  }

  void AddItem(const pugi::xml_node& element, const Context& outer, std::vector<Item>& out) {
    if (element.type() != pugi::node_element) return;
    const std::string_view name = LocalName(element);
    const Context context = Inner(element, outer);
    const bool hidden = context.hidden || context.style.visibilityHidden;
    Item item;
    item.id = element.attribute("id").value();
    item.hidden = hidden;
    item.locked = IsLocked(element);
    if (const std::string prefix = NamespacePrefix(element, kTagNamespace); !prefix.empty()) {
      for (const pugi::xml_attribute& attribute : element.attributes()) {
        const std::string_view attributeName = attribute.name();
        if (attributeName.starts_with(prefix)) {
          item.tags[std::string(attributeName.substr(prefix.size()))] = attribute.value();
        }
      }
    }
    item.style = PageStyle(context.style, context.toPage);
    if (name == "g" || name == "a" || name == "switch") {
      item.kind = IsCompoundPathGroup(element) ? Item::Kind::kCompoundPath : Item::Kind::kGroup;
      for (const pugi::xml_node& child : element.children()) AddItem(child, context, item.children);
      if (item.kind == Item::Kind::kCompoundPath) {
        for (const Item& part : item.children) {
          if (part.kind != Item::Kind::kPath) {
            Fail(element, "a compound path holds only paths of one subpath each");
          }
        }
      }
      out.push_back(std::move(item));
      return;
    }
    if (name == "text") {
      item.kind = Item::Kind::kText;
      item.text = TextContent(element);
      const auto x = Numbers(element.attribute("x").value());
      const auto y = Numbers(element.attribute("y").value());
      const Geom::Point origin =
          Geom::Point(x.empty() ? 0 : x[0], y.empty() ? 0 : y[0]) * context.toPage;
      item.origin = {origin[Geom::X], origin[Geom::Y]};
      out.push_back(std::move(item));
      return;
    }
    if (name == "image") {
      item.kind = Item::Kind::kPlaced;
      const double x = ParseNumber(element.attribute("x").value()).value_or(0);
      const double y = ParseNumber(element.attribute("y").value()).value_or(0);
      const double w = ParseNumber(element.attribute("width").value()).value_or(0);
      const double h = ParseNumber(element.attribute("height").value()).value_or(0);
      Geom::Rect box(Geom::Point(x, y) * context.toPage,
                     Geom::Point(x + w, y + h) * context.toPage);
      box.expandTo(Geom::Point(x + w, y) * context.toPage);
      box.expandTo(Geom::Point(x, y + h) * context.toPage);
      item.lowerLeft = {box.left(), box.top()};
      item.upperRight = {box.right(), box.bottom()};
      out.push_back(std::move(item));
      return;
    }
    std::optional<std::vector<Subpath>> outline;
    try {
      outline = ShapeSubpaths(element, context.toPage);
    } catch (const GeometryError& error) {
      Fail(element, error.what());
    }
    if (!outline) return;
    std::vector<Subpath>& subpaths = *outline;
    if (subpaths.size() == 1) {
      item.kind = Item::Kind::kPath;
      item.outline = std::move(subpaths.front());
    } else {
      item.kind = Item::Kind::kCompoundPath;
      for (Subpath& subpath : subpaths) {
        Item part;
        part.kind = Item::Kind::kPath;
        part.hidden = hidden;
        part.locked = item.locked;
        part.style = item.style;
        part.outline = std::move(subpath);
        item.children.push_back(std::move(part));
      }
    }
    out.push_back(std::move(item));
  }

  // "p:" where the nearest declaration binds prefix p to `uri`; empty when none does.
  static std::string NamespacePrefix(pugi::xml_node node, std::string_view uri) {
    for (; node; node = node.parent()) {
      for (const pugi::xml_attribute& attribute : node.attributes()) {
        const std::string_view attributeName = attribute.name();
        if (attributeName.starts_with("xmlns:") && std::string_view(attribute.value()) == uri) {
          return std::string(attributeName.substr(6)) + ":";
        }
      }
    }
    return {};
  }

  static bool IsCompoundPathGroup(const pugi::xml_node& element) {
    const std::string prefix = NamespacePrefix(element, kStructureNamespace);
    return !prefix.empty() &&
           std::string_view(element.attribute((prefix + kArtAttribute).c_str()).value()) ==
               kCompoundPathValue;
  }

  static bool IsLocked(const pugi::xml_node& element) {
    const std::string_view value = element.attribute(kInsensitiveAttribute).value();
    return value == "true" || value == "1";
  }

  [[noreturn]] void Fail(const pugi::xml_node& node, const std::string& what) const {
    throw ImportError(name_ + ":" + std::to_string(lines_.LineAt(node.offset_debug())) + ": " +
                      what);
  }

  std::string name_;
  const LineIndex& lines_;
};

// Parsed in place: the XML reader keeps no copy of a text that may be most of the memory used.
Drawing Import(char* text, std::size_t size, const std::string& name) {
  const LineIndex lines(std::string_view(text, size));
  pugi::xml_document document;
  const pugi::xml_parse_result parsed = document.load_buffer_inplace(text, size);
  if (!parsed) {
    throw ImportError(name + ":" + std::to_string(lines.LineAt(parsed.offset)) +
                      ": not well-formed XML: " + parsed.description());
  }
  return Importer(name, lines).Run(document);
}

}  // namespace

Drawing ImportSvgText(const std::string& text, const std::string& nameForErrors) {
  std::string copy = text;
  return Import(copy.data(), copy.size(), nameForErrors);
}

Drawing ImportSvgFile(const std::string& path) {
  std::optional<TextBuffer> content = TextBuffer::ReadFile(path);
  if (!content) throw ImportError(path + ": cannot be read");
  return Import(content->data(), content->size(), path);
}

}  // namespace svg
