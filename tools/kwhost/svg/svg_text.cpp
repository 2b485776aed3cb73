#include "tools/kwhost/svg/svg_text.h"

#include <string>
#include <string_view>

namespace svg {
namespace {

// The raw characters, as written.
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

bool PreservesSpace(pugi::xml_node node) {
  for (; node; node = node.parent()) {
    if (const pugi::xml_attribute space = node.attribute("xml:space")) {
      return std::string_view(space.value()) == "preserve";
    }
  }
  return false;
}

class TextReader {
 public:
  TextReader(const Node& text, Cascade& cascade, Item& item)
      : text_(text), cascade_(cascade), item_(item), preserve_(PreservesSpace(text.element)) {}

  // Returns where the text itself starts.
  Point Run() {
    Enter(text_.element, text_.style, true);
    const Point textStart = textStart_;
    // Collapsed white space never ends a text.
    while (!preserve_ && !item_.spans.empty()) {
      std::string& last = item_.spans.back().characters;
      if (!last.empty() && last.back() == ' ') last.pop_back();
      if (!last.empty()) break;
      item_.spans.pop_back();
    }
    return textStart;
  }

 private:
  // The first value of a coordinate list; nullopt when there is none.
  std::optional<double> First(const pugi::xml_node& element, const char* name, Axis axis) {
    const std::string_view list = element.attribute(name).value();
    const auto end = list.find_first_of(", \t\r\n", list.find_first_not_of(" \t\r\n"));
    return ResolveLength(list.substr(0, end), axis, text_.lengths);
  }

  void Enter(const pugi::xml_node& element, const ComputedStyle& style, bool isText) {
    const auto x = First(element, "x", Axis::kWidth), y = First(element, "y", Axis::kHeight);
    if (x || y || isText) {
      pendingStart_ =
          Point{x.value_or(isText ? 0 : lastStart_.x), y.value_or(isText ? 0 : lastStart_.y)};
      lastStart_ = *pendingStart_;
      if (isText) textStart_ = lastStart_;
    }
    pendingShift_.x += First(element, "dx", Axis::kWidth).value_or(0);
    pendingShift_.y += First(element, "dy", Axis::kHeight).value_or(0);
    for (const pugi::xml_node& child : element.children()) {
      if (child.type() == pugi::node_pcdata || child.type() == pugi::node_cdata) {
        Characters(child.value(), style);
      } else if (IsSvgElement(child) && (LocalName(child) == "tspan" || LocalName(child) == "a" ||
                                         LocalName(child) == "textPath")) {
        const ComputedStyle inner = cascade_.Resolve(child, style, text_.lengths);
        if (!inner.displayNone) Enter(child, inner, false);
      }
    }
    openRun_ = false;  // what follows the element is a run of its own
  }

  void Characters(std::string_view raw, const ComputedStyle& style) {
    for (char c : raw) {
      if (c == '\n' && !preserve_) continue;
      if (c == '\n' || c == '\t' || c == '\r') c = ' ';
      if (c == ' ' && !preserve_ && (lastWasSpace_ || !anyCharacter_)) continue;
      if (!openRun_ || pendingStart_ || pendingShift_.x != 0 || pendingShift_.y != 0) {
        NewRun(style);
      }
      item_.spans.back().characters += c;
      lastWasSpace_ = c == ' ';
      anyCharacter_ = true;
    }
  }

  void NewRun(const ComputedStyle& style) {
    TextSpan span;
    span.fontFamily = style.fontFamily;
    span.fontSize = style.fontSize;
    span.fontWeight = style.fontWeight;
    span.italic = style.italic;
    span.start = pendingStart_;
    span.shift = pendingShift_;
    if (pendingStart_) chunkAnchor_ = style.textAnchor;
    span.anchor = chunkAnchor_;
    item_.spans.push_back(std::move(span));
    pendingStart_.reset();
    pendingShift_ = Point{};
    openRun_ = true;
  }

  const Node& text_;
  Cascade& cascade_;
  Item& item_;
  const bool preserve_;
  std::optional<Point> pendingStart_;
  Point pendingShift_;
  Point lastStart_;
  Point textStart_;
  int chunkAnchor_ = 0;
  bool openRun_ = false;
  bool lastWasSpace_ = false;
  bool anyCharacter_ = false;
};

}  // namespace

void ReadText(const Node& text, Cascade& cascade, Item& item) {
  item.kind = Item::Kind::kText;
  item.text = TextContent(text.element);
  const Geom::Affine& m = text.toPage;
  for (int i = 0; i < 6; ++i) item.textMatrix[i] = m[static_cast<unsigned>(i)];
  const Point start = TextReader(text, cascade, item).Run();
  const Geom::Point origin = Geom::Point(start.x, start.y) * m;
  item.origin = {origin[Geom::X], origin[Geom::Y]};
}

}  // namespace svg
