#include "tools/kwhost/svg/svg_import.h"

#include <pugixml.hpp>

#include <cmath>
#include <string_view>
#include <vector>

#include "tools/kwhost/svg/svg_css.h"
#include "tools/kwhost/svg/svg_element.h"
#include "tools/kwhost/svg/svg_geometry.h"
#include "tools/kwhost/svg/svg_omissions.h"
#include "tools/kwhost/svg/svg_source.h"
#include "tools/kwhost/svg/svg_style.h"
#include "tools/kwhost/svg/svg_text.h"
#include "tools/kwhost/svg/svg_tree.h"

namespace svg {
namespace {

// Stroke widths scale with the transform's mean linear factor.
double ScaleOf(const Geom::Affine& affine) {
  return std::sqrt(std::abs(affine.det()));
}

// "p:" where the nearest declaration binds prefix p to `uri`; empty when none does.
std::string NamespacePrefix(pugi::xml_node node, std::string_view uri) {
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

bool IsCompoundPathGroup(const pugi::xml_node& element) {
  const std::string prefix = NamespacePrefix(element, kStructureNamespace);
  return !prefix.empty() &&
         std::string_view(element.attribute((prefix + kArtAttribute).c_str()).value()) ==
             kCompoundPathValue;
}

bool IsLocked(const pugi::xml_node& element) {
  const std::string_view value = element.attribute(kInsensitiveAttribute).value();
  return value == "true" || value == "1";
}

std::string TextOf(const pugi::xml_node& element) {
  std::string text;
  for (const pugi::xml_node& child : element.children()) text += child.value();
  return text;
}

// Every <style> sheet of the document, in document order.
void ReadStyleSheets(const pugi::xml_node& root, StyleSheet& sheet, OmissionLog& log) {
  for (const pugi::xpath_node& found : root.select_nodes("//*[local-name()='style']")) {
    const pugi::xml_node style = found.node();
    const std::string_view type = style.attribute("type").value();
    if (!IsSvgElement(style) || (!type.empty() && type != "text/css")) continue;
    for (std::string& selector : sheet.Add(TextOf(style))) {
      log.Add(Omission::Kind::kUnsupportedSelector, style, "\"" + selector + "\"");
    }
  }
}

// Stroke lengths scale with the element's mean linear factor.
Style PageStyle(const ComputedStyle& style, double scale) {
  Style out;
  out.fill = style.fill;
  out.stroke = style.stroke;
  out.strokeWidth = style.strokeWidth * scale;
  out.lineCap = style.lineCap;
  out.lineJoin = style.lineJoin;
  out.miterLimit = style.miterLimit;
  for (double dash : style.dashes) out.dashes.push_back(dash * scale);
  out.dashOffset = style.dashOffset * scale;
  return out;
}

// Gives back the file text of art already converted, when nothing reads it again: a large
// drawing's text is then not held whole beside its document. Discarded text reads as zeros, so
// only text of a self-contained tree goes (see Tree::selfContained).
class SpentText {
 public:
  explicit SpentText(TextBuffer* text) : text_(text) {}

  // `element`, a node of the tree, and what follows it up to its next sibling element are spent.
  void Spend(const pugi::xml_node& element) {
    if (text_ == nullptr) return;
    pugi::xml_node next = element.next_sibling();
    while (next && next.type() != pugi::node_element) next = next.next_sibling();
    if (!next) return;
    // Elements start a character before their names: at "<".
    const std::ptrdiff_t begin = element.offset_debug() - 1, end = next.offset_debug() - 1;
    if (begin < 0 || end <= begin) return;
    if (begin != end_) begin_ = begin;
    end_ = end;
    text_->Discard(static_cast<std::size_t>(begin_), static_cast<std::size_t>(end_));
  }

 private:
  TextBuffer* text_;
  // The run of spent text that ends where the next element may continue it.
  std::ptrdiff_t begin_ = -1, end_ = -1;
};

class Converter {
 public:
  Converter(Cascade& cascade, OmissionLog& log, SpentText& spent)
      : cascade_(cascade), log_(log), spent_(spent) {}

  // The drawing's layers, without items, go into `drawing`; the items to `sink`.
  void Run(const Tree& tree, Drawing& drawing, ArtSink& sink) {
    drawing.widthPoints = tree.widthPoints;
    drawing.heightPoints = tree.heightPoints;
    std::size_t looseLayer = 0;
    bool haveLooseLayer = false;
    std::vector<Item> items;
    for (const Node& node : tree.nodes) {
      if (node.layer) {
        Layer layer;
        layer.locked = IsLocked(node.element);
        layer.name = node.element.attribute(kLabelAttribute).value();
        if (layer.name.empty()) layer.name = node.element.attribute("id").value();
        layer.hidden = node.Hidden();
        const std::size_t index = Begin(std::move(layer), drawing, sink);
        for (const Node& child : node.children) {
          Add(child, items);
          Hand(items, index, sink);
          spent_.Spend(child.element);
        }
        continue;
      }
      Add(node, items);
      if (items.empty()) {
        spent_.Spend(node.element);
        continue;
      }
      if (!haveLooseLayer) {
        looseLayer = Begin(Layer{kDefaultLayerName, false, false, {}}, drawing, sink);
        haveLooseLayer = true;
      }
      Hand(items, looseLayer, sink);
      spent_.Spend(node.element);
    }
    if (drawing.layers.empty()) Begin(Layer{kDefaultLayerName, false, false, {}}, drawing, sink);
  }

 private:
  static std::size_t Begin(Layer layer, Drawing& drawing, ArtSink& sink) {
    drawing.layers.push_back(std::move(layer));
    sink.BeginLayer(drawing.layers.back());
    return drawing.layers.size() - 1;
  }

  static void Hand(std::vector<Item>& items, std::size_t layer, ArtSink& sink) {
    for (Item& item : items) sink.Add(layer, std::move(item));
    items.clear();
  }

  void Add(const Node& node, std::vector<Item>& out) {
    const pugi::xml_node& element = node.element;
    Item item;
    if (!node.copied) item.id = element.attribute("id").value();
    item.hidden = node.Hidden();
    item.locked = IsLocked(element);
    item.source = element.offset_debug();
    item.copied = node.copied;
    ReadTags(element, item);
    item.style = PageStyle(node.style, ScaleOf(node.toPage));
    switch (node.kind) {
      case Node::Kind::kGroup:
        item.kind = IsCompoundPathGroup(element) ? Item::Kind::kCompoundPath : Item::Kind::kGroup;
        for (const Node& child : node.children) Add(child, item.children);
        if (item.kind == Item::Kind::kCompoundPath) {
          for (const Item& part : item.children) {
            if (part.kind != Item::Kind::kPath) {
              throw TreeError(element, "a compound path holds only paths of one subpath each");
            }
          }
        }
        break;
      case Node::Kind::kText:
        ReadText(node, cascade_, item);
        break;
      case Node::Kind::kImage:
        Image(node, item);
        break;
      case Node::Kind::kShape:
        if (!Shape(node, item)) return;
        break;
    }
    out.push_back(std::move(item));
  }

  static void ReadTags(const pugi::xml_node& element, Item& item) {
    const std::string prefix = NamespacePrefix(element, kTagNamespace);
    if (prefix.empty()) return;
    for (const pugi::xml_attribute& attribute : element.attributes()) {
      const std::string_view attributeName = attribute.name();
      if (attributeName.starts_with(prefix)) {
        item.tags[std::string(attributeName.substr(prefix.size()))] = attribute.value();
      }
    }
  }

  static void Image(const Node& node, Item& item) {
    item.kind = Item::Kind::kPlaced;
    auto length = [&](const char* name, Axis axis) {
      return ResolveLength(node.element.attribute(name).value(), axis, node.lengths).value_or(0);
    };
    const double x = length("x", Axis::kWidth), y = length("y", Axis::kHeight);
    const double w = length("width", Axis::kWidth), h = length("height", Axis::kHeight);
    Geom::Rect box(Geom::Point(x, y) * node.toPage, Geom::Point(x + w, y + h) * node.toPage);
    box.expandTo(Geom::Point(x + w, y) * node.toPage);
    box.expandTo(Geom::Point(x, y + h) * node.toPage);
    item.lowerLeft = {box.left(), box.top()};
    item.upperRight = {box.right(), box.bottom()};
  }

  // False when the shape draws nothing.
  bool Shape(const Node& node, Item& item) {
    std::vector<Subpath> subpaths;
    std::string brokenPathData;
    try {
      subpaths = ShapeSubpaths(node.element, node.lengths, node.toPage, brokenPathData);
    } catch (const GeometryError& error) {
      throw TreeError(node.element, error.what());
    }
    if (!brokenPathData.empty()) {
      log_.Add(Omission::Kind::kBrokenPathData, node.element, std::move(brokenPathData));
    }
    if (subpaths.empty()) return false;
    if (subpaths.size() == 1) {
      item.kind = Item::Kind::kPath;
      item.outline = std::move(subpaths.front());
      return true;
    }
    item.kind = Item::Kind::kCompoundPath;
    for (Subpath& subpath : subpaths) {
      Item part;
      part.kind = Item::Kind::kPath;
      part.hidden = item.hidden;
      part.locked = item.locked;
      part.style = item.style;
      part.source = item.source;
      part.copied = item.copied;
      part.outline = std::move(subpath);
      item.children.push_back(std::move(part));
    }
    return true;
  }

  Cascade& cascade_;
  OmissionLog& log_;
  SpentText& spent_;
};

// Puts the items into the drawing's own layers.
class DrawingCollector : public ArtSink {
 public:
  explicit DrawingCollector(Drawing& drawing) : drawing_(drawing) {}
  void BeginLayer(const Layer&) override {}
  void Add(std::size_t layer, Item&& item) override {
    drawing_.layers[layer].items.push_back(std::move(item));
  }

 private:
  Drawing& drawing_;
};

// Parsed in place: the XML reader keeps no copy of a text that may be most of the memory used.
// Text of `ownText` that is spent is given back as reading goes on.
Drawing Import(char* text, std::size_t size, const std::string& name, const ImportOptions& options,
               ArtSink* sink, TextBuffer* ownText) {
  Drawing drawing;
  // Lines are counted before the reader rewrites the text.
  OmissionLog log(std::string_view(text, size), drawing.omissions);
  pugi::xml_document document;
  // White space between a text's runs is part of the text.
  const pugi::xml_parse_result parsed =
      document.load_buffer_inplace(text, size, pugi::parse_default | pugi::parse_ws_pcdata);
  if (!parsed) {
    throw ImportError(name + ":" + std::to_string(log.LineAt(parsed.offset)) +
                      ": not well-formed XML: " + parsed.description());
  }
  const pugi::xml_node root = document.document_element();
  try {
    StyleSheet sheet;
    ReadStyleSheets(root, sheet, log);
    const IdIndex ids(root);
    Cascade cascade(sheet, ids, log);
    const Tree tree = NormaliseTree(root, options.language, cascade, ids, log);
    DrawingCollector collector(drawing);
    SpentText spent(tree.selfContained ? ownText : nullptr);
    Converter(cascade, log, spent).Run(tree, drawing, sink != nullptr ? *sink : collector);
  } catch (const TreeError& error) {
    throw ImportError(name + ":" + std::to_string(log.LineAt(error.node.offset_debug())) + ": " +
                      error.what());
  }
  return drawing;
}

Drawing ImportText(const std::string& text, const std::string& nameForErrors,
                   const ImportOptions& options, ArtSink* sink) {
  // The caller's text stays as it was: a save reads the original through the items' offsets.
  std::string copy = text;
  return Import(copy.data(), copy.size(), nameForErrors, options, sink, nullptr);
}

Drawing ImportFile(const std::string& path, const ImportOptions& options, ArtSink* sink) {
  std::optional<TextBuffer> content = TextBuffer::ReadFile(path);
  if (!content) throw ImportError(path + ": cannot be read");
  return Import(content->data(), content->size(), path, options, sink, &*content);
}

}  // namespace

Drawing ImportSvgText(const std::string& text, const std::string& nameForErrors,
                      const ImportOptions& options) {
  return ImportText(text, nameForErrors, options, nullptr);
}

Drawing ImportSvgFile(const std::string& path, const ImportOptions& options) {
  return ImportFile(path, options, nullptr);
}

Drawing ImportSvgText(const std::string& text, const std::string& nameForErrors,
                      const ImportOptions& options, ArtSink& sink) {
  return ImportText(text, nameForErrors, options, &sink);
}

Drawing ImportSvgFile(const std::string& path, const ImportOptions& options, ArtSink& sink) {
  return ImportFile(path, options, &sink);
}

}  // namespace svg
