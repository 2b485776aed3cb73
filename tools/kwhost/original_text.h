// An XML tree written back as the text it was read from, with only the tree's changes in it.
// Nodes read from the text come back byte for byte: quotes, entity and character references and
// the white space inside tags are kept. An element whose name or attributes changed keeps its
// start tag's text but for the changed attributes; new nodes are written as the XML library
// writes them.
#ifndef KERFWORKS_TOOLS_KWHOST_ORIGINAL_TEXT_H
#define KERFWORKS_TOOLS_KWHOST_ORIGINAL_TEXT_H

#include <pugixml.hpp>

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace kwhost {

class OriginalText {
 public:
  // `document` was read from `text` with white space, comments and processing instructions kept,
  // and is not changed yet; `text` outlives this. Throws ExportError where its nodes do not match
  // the text.
  OriginalText(std::string_view text, pugi::xml_document& document);

  // Takes `node` out of the tree without freeing it: a freed node's memory may be reused by a new
  // node, which would then be taken for the original one.
  void Remove(pugi::xml_node node);

  std::string Write() const;

 private:
  struct Attribute {
    std::string name;
    // The value as the XML library read it, kept only where references make it differ from the
    // text: path data, most of a drawing, is not copied.
    bool referenced = false;
    std::string value;
    std::size_t begin = 0;  // where the white space before the name starts
    std::size_t nameBegin = 0, valueBegin = 0, end = 0;
  };
  struct Span {
    std::size_t begin = 0, end = 0;
    // Elements only.
    std::size_t nameEnd = 0, tagClose = 0, tagEnd = 0, endTag = 0;
    bool selfClosing = false;
    std::vector<Attribute> attributes;
  };

  std::size_t Index(pugi::xml_node node, std::size_t at);
  std::size_t IndexElement(pugi::xml_node node, std::size_t at, Span& span);
  bool At(std::size_t at, std::string_view part) const;
  void Expect(bool matches, std::size_t at) const;
  std::string_view ValueRead(const Attribute& attribute) const;
  void WriteNode(pugi::xml_node node, std::string& out) const;
  void WriteElement(pugi::xml_node node, const Span& span, std::string& out) const;
  void WriteAttributes(pugi::xml_node node, const Span& span, std::string& out) const;

  std::string_view text_;
  pugi::xml_node root_, removed_;
  std::unordered_map<const void*, Span> spans_;
};

}  // namespace kwhost

#endif  // KERFWORKS_TOOLS_KWHOST_ORIGINAL_TEXT_H
