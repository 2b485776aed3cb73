// Style sheets of <style> elements and the declarations of style="": rules with type, class, id,
// universal and attribute (presence, equality) selectors, descendant and child combinators and
// selector lists; specificity and source order; !important.
#ifndef KERFWORKS_TOOLS_KWHOST_SVG_SVG_CSS_H
#define KERFWORKS_TOOLS_KWHOST_SVG_SVG_CSS_H

#include <pugixml.hpp>

#include <deque>
#include <string>
#include <string_view>
#include <vector>

namespace svg {

struct Declaration {
  std::string_view property, value;  // trimmed, !important removed
  bool important = false;
};

// Appends the declarations of "a: b; c: d !important" to `out`, skipping pieces without a colon.
void ParseDeclarations(std::string_view text, std::vector<Declaration>& out);

// One compound selector: all its conditions hold for one element.
struct Compound {
  std::string_view type;  // empty or "*": any
  std::vector<std::string_view> ids, classes;
  struct AttributeTest {
    std::string_view name, value;
    bool equality = false;
  };
  std::vector<AttributeTest> attributes;
  bool firstChild = false;
  bool never = false;  // a state a still drawing is never in (:hover, ::before, ...)
};

struct Selector {
  std::vector<Compound> compounds;  // leftmost first
  std::vector<char> combinators;    // between compounds: ' ' descendant, '>' child
  int specificity = 0;              // ids * 10000 + classes and attributes * 100 + types
};

struct Rule {
  Selector selector;
  std::vector<Declaration> declarations;
};

class StyleSheet {
 public:
  // Adds the rules of a sheet. Selectors it cannot read are returned, as written, and their rules
  // skipped; at-rules (@media, @font-face, ...) are skipped whole.
  std::vector<std::string> Add(std::string_view text);

  bool Empty() const { return rules_.empty(); }

  // The rules matching `element`, by specificity and then source order (the last wins).
  void Matching(const pugi::xml_node& element, std::vector<const Rule*>& out) const;

 private:
  std::deque<std::string> texts_;  // the sheets without comments; rules point into them
  std::vector<Rule> rules_;
};

}  // namespace svg

#endif  // KERFWORKS_TOOLS_KWHOST_SVG_SVG_CSS_H
