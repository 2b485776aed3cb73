#include "tools/kwhost/svg/svg_css.h"

#include <algorithm>
#include <cctype>
#include <optional>

#include "tools/kwhost/svg/svg_element.h"
#include "tools/kwhost/text_parsing.h"

namespace svg {
namespace {

using kwhost::Trim;

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

bool IsNameChar(char c) {
  return std::isalnum(static_cast<unsigned char>(c)) || c == '-' || c == '_' ||
         static_cast<unsigned char>(c) >= 0x80;
}

// Where `text` splits at `separator` outside quotes, parentheses and brackets.
std::vector<std::string_view> SplitOutside(std::string_view text, char separator) {
  std::vector<std::string_view> pieces;
  char quote = 0;
  int depth = 0;
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (quote != 0) {
      if (c == quote) quote = 0;
    } else if (c == '"' || c == '\'') {
      quote = c;
    } else if (c == '(' || c == '[') {
      ++depth;
    } else if ((c == ')' || c == ']') && depth > 0) {
      --depth;
    } else if (c == separator && depth == 0) {
      pieces.push_back(text.substr(start, i - start));
      start = i + 1;
    }
  }
  pieces.push_back(text.substr(start));
  return pieces;
}

std::string WithoutComments(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    if (text.compare(i, 2, "/*") == 0) {
      const auto end = text.find("*/", i + 2);
      i = end == std::string_view::npos ? text.size() : end + 2;
    } else if (text.compare(i, 4, "<!--") == 0) {
      i += 4;
    } else if (text.compare(i, 3, "-->") == 0) {
      i += 3;
    } else {
      out += text[i++];
    }
  }
  return out;
}

std::string_view Name(std::string_view text, std::size_t& i) {
  const std::size_t start = i;
  while (i < text.size() && IsNameChar(text[i])) ++i;
  return text.substr(start, i - start);
}

bool IsStillState(std::string_view pseudo) {
  constexpr std::string_view kStates[] = {"hover",         "active",  "focus",      "focus-within",
                                          "focus-visible", "visited", "link",       "target",
                                          "before",        "after",   "first-line", "first-letter",
                                          "selection",     "marker",  "placeholder"};
  return std::find(std::begin(kStates), std::end(kStates), pseudo) != std::end(kStates);
}

bool ParseAttributeTest(std::string_view inner, Compound::AttributeTest& test) {
  const auto equals = inner.find('=');
  test.name = Trim(inner.substr(0, equals));
  if (test.name.empty() || !std::all_of(test.name.begin(), test.name.end(), IsNameChar))
    return false;
  if (equals == std::string_view::npos) return true;
  std::string_view value = Trim(inner.substr(equals + 1));
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front()) {
    value = value.substr(1, value.size() - 2);
  }
  test.value = value;
  test.equality = true;
  return true;
}

// One compound from `i`; false when it holds what we cannot read.
bool ParseCompound(std::string_view text, std::size_t& i, Compound& compound, int& specificity) {
  const std::size_t start = i;
  while (i < text.size() && !IsBlank(text[i]) && text[i] != '>') {
    const char c = text[i];
    if (c == '*' && i == start) {
      compound.type = text.substr(i++, 1);
    } else if (IsNameChar(c) && i == start) {
      compound.type = Name(text, i);
      specificity += 1;
    } else if (c == '.' || c == '#') {
      ++i;
      const std::string_view name = Name(text, i);
      if (name.empty()) return false;
      (c == '.' ? compound.classes : compound.ids).push_back(name);
      specificity += c == '.' ? 100 : 10000;
    } else if (c == '[') {
      const auto close = text.find(']', i);
      if (close == std::string_view::npos) return false;
      const std::string_view inner = text.substr(i + 1, close - i - 1);
      const auto equals = inner.find('=');
      if (equals != std::string_view::npos && equals > 0 &&
          std::string_view("~^$*|").find(inner[equals - 1]) != std::string_view::npos) {
        return false;
      }
      Compound::AttributeTest test;
      if (!ParseAttributeTest(inner, test)) return false;
      compound.attributes.push_back(test);
      specificity += 100;
      i = close + 1;
    } else if (c == ':') {
      i += text.compare(i, 2, "::") == 0 ? 2 : 1;
      const std::string_view pseudo = Name(text, i);
      if (pseudo == "first-child") {
        compound.firstChild = true;
      } else if (IsStillState(pseudo) && (i == text.size() || text[i] != '(')) {
        compound.never = true;
      } else {
        return false;
      }
      specificity += 100;
    } else {
      return false;
    }
  }
  return i > start;
}

std::optional<Selector> ParseSelector(std::string_view text) {
  text = Trim(text);
  Selector selector;
  std::size_t i = 0;
  while (i < text.size()) {
    Compound compound;
    if (!ParseCompound(text, i, compound, selector.specificity)) return std::nullopt;
    selector.compounds.push_back(compound);
    while (i < text.size() && IsBlank(text[i])) ++i;
    char combinator = ' ';
    if (i < text.size() && text[i] == '>') {
      combinator = '>';
      ++i;
      while (i < text.size() && IsBlank(text[i])) ++i;
      if (i == text.size()) return std::nullopt;
    }
    if (i < text.size()) selector.combinators.push_back(combinator);
  }
  if (selector.compounds.empty()) return std::nullopt;
  return selector;
}

bool HasClass(std::string_view classes, std::string_view name) {
  std::size_t i = 0;
  while (i < classes.size()) {
    while (i < classes.size() && IsBlank(classes[i])) ++i;
    const std::size_t start = i;
    while (i < classes.size() && !IsBlank(classes[i])) ++i;
    if (classes.substr(start, i - start) == name) return true;
  }
  return false;
}

bool MatchesCompound(const Compound& compound, const pugi::xml_node& element) {
  if (compound.never) return false;
  if (!compound.type.empty() && compound.type != "*" && LocalName(element) != compound.type) {
    return false;
  }
  for (std::string_view id : compound.ids) {
    if (element.attribute("id").value() != id) return false;
  }
  for (std::string_view name : compound.classes) {
    if (!HasClass(element.attribute("class").value(), name)) return false;
  }
  for (const Compound::AttributeTest& test : compound.attributes) {
    const pugi::xml_attribute attribute = element.attribute(std::string(test.name).c_str());
    if (!attribute || (test.equality && attribute.value() != test.value)) return false;
  }
  if (compound.firstChild) {
    for (pugi::xml_node before = element.previous_sibling(); before;
         before = before.previous_sibling()) {
      if (before.type() == pugi::node_element) return false;
    }
  }
  return true;
}

bool Matches(const Selector& selector, std::size_t index, const pugi::xml_node& element) {
  if (!MatchesCompound(selector.compounds[index], element)) return false;
  if (index == 0) return true;
  pugi::xml_node ancestor = element.parent();
  if (selector.combinators[index - 1] == '>') {
    return ancestor.type() == pugi::node_element && Matches(selector, index - 1, ancestor);
  }
  for (; ancestor.type() == pugi::node_element; ancestor = ancestor.parent()) {
    if (Matches(selector, index - 1, ancestor)) return true;
  }
  return false;
}

// The index after the block opened at `open`, nested blocks included.
std::size_t SkipBlock(std::string_view text, std::size_t open) {
  int depth = 0;
  for (std::size_t i = open; i < text.size(); ++i) {
    if (text[i] == '{') ++depth;
    if (text[i] == '}' && --depth == 0) return i + 1;
  }
  return text.size();
}

}  // namespace

void ParseDeclarations(std::string_view text, std::vector<Declaration>& out) {
  for (std::string_view piece : SplitOutside(text, ';')) {
    const auto colon = piece.find(':');
    if (colon == std::string_view::npos) continue;
    Declaration declaration;
    declaration.property = Trim(piece.substr(0, colon));
    std::string_view value = Trim(piece.substr(colon + 1));
    const auto bang = value.rfind('!');
    if (bang != std::string_view::npos && Trim(value.substr(bang + 1)) == "important") {
      declaration.important = true;
      value = Trim(value.substr(0, bang));
    }
    declaration.value = value;
    if (!declaration.property.empty()) out.push_back(declaration);
  }
}

std::vector<std::string> StyleSheet::Add(std::string_view sheet) {
  std::vector<std::string> unreadable;
  const std::string_view text = texts_.emplace_back(WithoutComments(sheet));
  std::size_t i = 0;
  while (i < text.size()) {
    while (i < text.size() && IsBlank(text[i])) ++i;
    if (i == text.size()) break;
    const auto open = text.find('{', i);
    if (text[i] == '@') {
      const auto semicolon = text.find(';', i);
      i = semicolon < open ? semicolon + 1 : SkipBlock(text, open);
      continue;
    }
    if (open == std::string_view::npos) break;
    const auto close = text.find('}', open);
    const std::string_view selectors = text.substr(i, open - i);
    std::vector<Declaration> declarations;
    ParseDeclarations(text.substr(open + 1, close - open - 1), declarations);
    for (std::string_view written : SplitOutside(selectors, ',')) {
      if (auto selector = ParseSelector(written)) {
        rules_.push_back(Rule{std::move(*selector), declarations});
      } else {
        unreadable.emplace_back(Trim(written));
      }
    }
    i = close == std::string_view::npos ? text.size() : close + 1;
  }
  return unreadable;
}

void StyleSheet::Matching(const pugi::xml_node& element, std::vector<const Rule*>& out) const {
  out.clear();
  for (const Rule& rule : rules_) {
    if (Matches(rule.selector, rule.selector.compounds.size() - 1, element)) out.push_back(&rule);
  }
  std::stable_sort(out.begin(), out.end(), [](const Rule* a, const Rule* b) {
    return a->selector.specificity < b->selector.specificity;
  });
}

}  // namespace svg
