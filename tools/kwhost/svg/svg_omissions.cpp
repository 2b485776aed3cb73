#include "tools/kwhost/svg/svg_omissions.h"

#include <algorithm>

namespace svg {
namespace {

struct KindWords {
  Omission::Kind kind;
  const char* one;
  const char* many;
  const char* note;
};

// In the order the summary lists them.
constexpr KindWords kKinds[] = {
    {Omission::Kind::kClipPath, "clip path", "clip paths", " (clipped art is cut whole)"},
    {Omission::Kind::kMask, "mask", "masks", " (masked art is cut whole)"},
    {Omission::Kind::kFilter, "filter", "filters", ""},
    {Omission::Kind::kMarker, "shape's markers", "shapes' markers", ""},
    {Omission::Kind::kImage, "image", "images", ""},
    {Omission::Kind::kText, "text not outlined", "texts not outlined", ""},
    {Omission::Kind::kForeignObject, "foreign object", "foreign objects", ""},
    {Omission::Kind::kUnknownElement, "unknown element", "unknown elements", ""},
    {Omission::Kind::kUnreadableColour, "unreadable colour", "unreadable colours", ""},
    {Omission::Kind::kUnreadableValue, "unreadable value", "unreadable values", ""},
    {Omission::Kind::kBrokenReference, "broken reference", "broken references", ""},
    {Omission::Kind::kUnsupportedSelector, "unsupported selector", "unsupported selectors", ""},
    {Omission::Kind::kBrokenPathData, "path drawn up to its broken data",
     "paths drawn up to their broken data", ""},
};

// Enough of the details to find them; the rest only counted.
constexpr std::size_t kDetailsShown = 3;

void CountAll(const Item& item, bool hidden, int& count) {
  if (item.kind == Item::Kind::kPath && (hidden || item.hidden)) ++count;
  for (const Item& child : item.children) CountAll(child, hidden || item.hidden, count);
}

}  // namespace

void OmissionLog::Add(Omission::Kind kind, const pugi::xml_node& node, std::string detail) {
  const std::ptrdiff_t offset = node.offset_debug();
  if (!seen_.emplace(kind, offset, detail).second) return;
  out_.push_back(Omission{kind, std::move(detail), lines_.LineAt(offset)});
}

// Appended piece by piece: GCC 12 at -O3 misreads a literal put before a std::string (-Wrestrict).
std::string Quoted(std::string_view text) {
  std::string quoted(1, '"');
  quoted.append(text).push_back('"');
  return quoted;
}

std::string LeftOutLine(const std::vector<Omission>& omissions) {
  std::string line;
  for (const KindWords& words : kKinds) {
    std::vector<const Omission*> ofKind;
    for (const Omission& omission : omissions) {
      if (omission.kind == words.kind) ofKind.push_back(&omission);
    }
    if (ofKind.empty()) continue;
    line += line.empty() ? "left out: " : ", ";
    line += std::to_string(ofKind.size()) + " " + (ofKind.size() == 1 ? words.one : words.many) +
            words.note;
    std::string details;
    for (std::size_t i = 0; i < ofKind.size() && i < kDetailsShown; ++i) {
      if (ofKind[i]->detail.empty()) continue;
      details += (details.empty() ? " " : ", ") + ofKind[i]->detail + " (line " +
                 std::to_string(ofKind[i]->line) + ")";
    }
    if (!details.empty() && ofKind.size() > kDetailsShown) details += ", ...";
    line += details;
  }
  return line;
}

int HiddenPaths(const Drawing& drawing) {
  int count = 0;
  for (const Layer& layer : drawing.layers) {
    for (const Item& item : layer.items) CountAll(item, layer.hidden, count);
  }
  return count;
}

int HiddenPaths(const Item& item, bool layerHidden) {
  int count = 0;
  CountAll(item, layerHidden, count);
  return count;
}

}  // namespace svg
