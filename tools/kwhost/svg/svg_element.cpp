#include "tools/kwhost/svg/svg_element.h"

#include <string>

#include "tools/kwhost/text_parsing.h"

namespace svg {
namespace {

std::string_view Prefix(const pugi::xml_node& node) {
  const std::string_view name = node.name();
  const auto colon = name.find(':');
  return colon == std::string_view::npos ? std::string_view() : name.substr(0, colon);
}

// The namespace `prefix` is bound to at `node`; nullopt when nothing binds it.
std::optional<std::string_view> NamespaceOf(pugi::xml_node node, std::string_view prefix) {
  for (; node; node = node.parent()) {
    for (const pugi::xml_attribute& attribute : node.attributes()) {
      const std::string_view name = attribute.name();
      if (!name.starts_with("xmlns")) continue;
      const std::string_view bound = name.size() == 5 ? std::string_view() : name.substr(5);
      if (prefix.empty()
              ? bound.empty()
              : bound.size() == prefix.size() + 1 && bound[0] == ':' && bound.substr(1) == prefix) {
        return attribute.value();
      }
    }
  }
  return std::nullopt;
}

}  // namespace

std::string_view LocalName(const pugi::xml_node& node) {
  std::string_view name = node.name();
  const auto colon = name.find(':');
  return colon == std::string_view::npos ? name : name.substr(colon + 1);
}

bool IsSvgElement(const pugi::xml_node& node) {
  if (node.type() != pugi::node_element) return false;
  const std::string_view prefix = Prefix(node);
  const auto uri = NamespaceOf(node, prefix);
  if (!uri) return prefix.empty() || prefix == "svg";
  return *uri == kSvgNamespace || (prefix.empty() && uri->empty());
}

std::string_view Href(const pugi::xml_node& node) {
  for (const pugi::xml_attribute& attribute : node.attributes()) {
    const std::string_view name = attribute.name();
    if (name == "href" || name.ends_with(":href")) return attribute.value();
  }
  return {};
}

std::optional<std::string_view> LocalReference(std::string_view text) {
  text = kwhost::Trim(text);
  if (text.starts_with("url(") && text.ends_with(')')) {
    text = kwhost::Trim(text.substr(4, text.size() - 5));
    if (text.size() >= 2 && (text.front() == '"' || text.front() == '\'') &&
        text.back() == text.front()) {
      text = text.substr(1, text.size() - 2);
    }
  }
  if (text.size() < 2 || text.front() != '#') return std::nullopt;
  return text.substr(1);
}

IdIndex::IdIndex(const pugi::xml_node& root) {
  for (pugi::xml_node node = root; node;) {
    if (const pugi::xml_attribute id = node.attribute("id"))
      elements_.try_emplace(id.value(), node);
    // Depth first, without recursion: deep files must not exhaust the stack.
    if (node.first_child()) {
      node = node.first_child();
      continue;
    }
    while (node && !node.next_sibling() && node != root) node = node.parent();
    if (!node || node == root) break;
    node = node.next_sibling();
  }
}

pugi::xml_node IdIndex::Find(std::string_view id) const {
  const auto found = elements_.find(id);
  return found == elements_.end() ? pugi::xml_node() : found->second;
}

}  // namespace svg
