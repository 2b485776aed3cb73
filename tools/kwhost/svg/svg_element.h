// What an SVG element is, whatever prefix it is written with, and what it refers to.
#ifndef KERFWORKS_TOOLS_KWHOST_SVG_SVG_ELEMENT_H
#define KERFWORKS_TOOLS_KWHOST_SVG_SVG_ELEMENT_H

#include <pugixml.hpp>

#include <optional>
#include <string_view>
#include <unordered_map>

namespace svg {

inline constexpr const char kSvgNamespace[] = "http://www.w3.org/2000/svg";

// The name without its namespace prefix: "path" for <svg:path>.
std::string_view LocalName(const pugi::xml_node& node);

// True for an element in the SVG namespace under any prefix, and for unprefixed elements of a
// file that declares no namespace.
bool IsSvgElement(const pugi::xml_node& node);

// The value of `href` or of a namespaced `...:href` (xlink), empty when there is none.
std::string_view Href(const pugi::xml_node& node);

// The id a local reference names: "#id" and "url(#id)" (quotes allowed) give "id"; nullopt for a
// reference to another file or something that is no reference.
std::optional<std::string_view> LocalReference(std::string_view text);

// Every element with an id, by id; the first of several with one id wins, as in browsers.
class IdIndex {
 public:
  explicit IdIndex(const pugi::xml_node& root);
  pugi::xml_node Find(std::string_view id) const;

 private:
  std::unordered_map<std::string_view, pugi::xml_node> elements_;
};

}  // namespace svg

#endif  // KERFWORKS_TOOLS_KWHOST_SVG_SVG_ELEMENT_H
