#include "tools/kwhost/original_text.h"

#include <algorithm>
#include <string_view>
#include <utility>

#include "tools/kwhost/document_export.h"

namespace kwhost {
namespace {

class Appender : public pugi::xml_writer {
 public:
  explicit Appender(std::string& out) : out_(out) {}
  void write(const void* data, std::size_t size) override {
    out_.append(static_cast<const char*>(data), size);
  }

 private:
  std::string& out_;
};

// Escaped for an attribute value in `quote`s; white space other than blanks as references, as a
// reader would otherwise turn it into blanks.
void AppendEscaped(std::string& out, std::string_view value, char quote) {
  for (const char c : value) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '\t':
        out += "&#9;";
        break;
      case '\n':
        out += "&#10;";
        break;
      case '\r':
        out += "&#13;";
        break;
      default:
        if (c == quote) {
          out += quote == '"' ? "&quot;" : "&apos;";
        } else {
          out += c;
        }
    }
  }
}

bool IsSpace(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

}  // namespace

OriginalText::OriginalText(std::string_view text, pugi::xml_document& document)
    : text_(text), root_(document.document_element()) {
  const std::ptrdiff_t offset = root_.offset_debug();
  Expect(offset > 0, 0);
  Index(root_, static_cast<std::size_t>(offset - 1));
}

void OriginalText::Remove(pugi::xml_node node) {
  // Kept outside the root, which alone is written.
  if (!removed_) removed_ = node.root().append_child(pugi::node_element);
  removed_.append_move(node);
}

std::string OriginalText::Write() const {
  const Span& root = spans_.at(root_.internal_object());
  std::string out;
  out.reserve(text_.size() + text_.size() / 8);
  out.append(text_, 0, root.begin);
  WriteElement(root_, root, out);
  out.append(text_, root.end);
  return out;
}

bool OriginalText::At(std::size_t at, std::string_view part) const {
  return at <= text_.size() && text_.substr(at, part.size()) == part;
}

void OriginalText::Expect(bool matches, std::size_t at) const {
  if (!matches) {
    throw ExportError("the drawing read at the start does not match its XML at byte " +
                      std::to_string(at + 1));
  }
}

std::size_t OriginalText::Index(pugi::xml_node node, std::size_t at) {
  Span span;
  span.begin = at;
  const std::ptrdiff_t offset = node.offset_debug();
  // Text runs to the next tag; the other leaves from their opening to their closing mark.
  const auto leaf = [&](std::string_view open, std::string_view close) {
    Expect(offset >= 0 && static_cast<std::size_t>(offset) == at + open.size() && At(at, open), at);
    const std::size_t found = text_.find(close, static_cast<std::size_t>(offset));
    Expect(found != std::string::npos, at);
    return close == "<" ? found : found + close.size();
  };
  switch (node.type()) {
    case pugi::node_element:
      span.end = IndexElement(node, at, span);
      break;
    case pugi::node_pcdata:
      span.end = leaf("", "<");
      break;
    case pugi::node_cdata:
      span.end = leaf("<![CDATA[", "]]>");
      break;
    case pugi::node_comment:
      span.end = leaf("<!--", "-->");
      break;
    case pugi::node_pi:
      span.end = leaf("<?", "?>");
      break;
    default:
      Expect(false, at);
  }
  const std::size_t end = span.end;
  spans_.emplace(node.internal_object(), std::move(span));
  return end;
}

std::size_t OriginalText::IndexElement(pugi::xml_node node, std::size_t at, Span& span) {
  const std::string_view name = node.name();
  Expect(node.offset_debug() == static_cast<std::ptrdiff_t>(at + 1) && At(at + 1, name), at);
  const auto skipSpace = [this](std::size_t p) {
    while (p < text_.size() && IsSpace(text_[p])) ++p;
    return p;
  };
  std::size_t p = span.nameEnd = at + 1 + name.size();
  pugi::xml_attribute read = node.first_attribute();
  for (;;) {
    const std::size_t begin = p;
    p = skipSpace(p);
    if (At(p, ">") || At(p, "/>")) {
      span.selfClosing = At(p, "/>");
      span.tagClose = p;
      span.tagEnd = p + (span.selfClosing ? 2 : 1);
      break;
    }
    Expect(read && p > begin && At(p, read.name()), p);
    Attribute attribute;
    attribute.name = read.name();
    attribute.begin = begin;
    attribute.nameBegin = p;
    p = skipSpace(p + attribute.name.size());
    Expect(At(p, "="), p);
    p = skipSpace(p + 1);
    const char quote = p < text_.size() ? text_[p] : '\0';
    Expect(quote == '"' || quote == '\'', p);
    attribute.valueBegin = p + 1;
    const std::size_t close = text_.find(quote, attribute.valueBegin);
    Expect(close != std::string::npos, p);
    attribute.end = close + 1;
    // Only a value with references reads differently from its text; the others are not copied.
    attribute.referenced = text_.find('&', attribute.valueBegin) < close;
    if (attribute.referenced) attribute.value = read.value();
    span.attributes.push_back(std::move(attribute));
    p = close + 1;
    read = read.next_attribute();
  }
  Expect(!read, p);
  if (span.selfClosing) {
    Expect(!node.first_child(), p);
    return span.tagEnd;
  }
  p = span.tagEnd;
  for (pugi::xml_node child : node.children()) p = Index(child, p);
  span.endTag = p;
  Expect(At(p, "</") && At(p + 2, name), p);
  p = skipSpace(p + 2 + name.size());
  Expect(At(p, ">"), p);
  return p + 1;
}

std::string_view OriginalText::ValueRead(const Attribute& attribute) const {
  if (attribute.referenced) return attribute.value;
  return text_.substr(attribute.valueBegin, attribute.end - 1 - attribute.valueBegin);
}

void OriginalText::WriteNode(pugi::xml_node node, std::string& out) const {
  const auto span = spans_.find(node.internal_object());
  if (span == spans_.end()) {
    Appender appender(out);
    node.print(appender, "", pugi::format_raw);
  } else if (node.type() == pugi::node_element) {
    WriteElement(node, span->second, out);
  } else {
    out.append(text_, span->second.begin, span->second.end - span->second.begin);
  }
}

void OriginalText::WriteElement(pugi::xml_node node, const Span& span, std::string& out) const {
  const std::string_view name = node.name();
  out += '<';
  out += name;
  WriteAttributes(node, span, out);
  if (span.selfClosing && !node.first_child()) {
    out += "/>";
    return;
  }
  out += '>';
  for (pugi::xml_node child : node.children()) WriteNode(child, out);
  out += "</";
  out += name;
  if (span.selfClosing) {
    out += '>';
  } else {
    // The end tag's own white space follows the name it was read with.
    const std::size_t afterName = span.endTag + 2 + (span.nameEnd - span.begin - 1);
    out.append(text_, afterName, span.end - afterName);
  }
}

void OriginalText::WriteAttributes(pugi::xml_node node, const Span& span, std::string& out) const {
  for (const Attribute& was : span.attributes) {
    const pugi::xml_attribute now = node.attribute(was.name.c_str());
    if (!now) continue;  // removed with the white space before it
    if (now.value() == ValueRead(was)) {
      out.append(text_, was.begin, was.end - was.begin);
    } else {
      const char quote = text_[was.valueBegin - 1];
      out.append(text_, was.begin, was.valueBegin - was.begin);
      AppendEscaped(out, now.value(), quote);
      out += quote;
    }
  }
  // New attributes follow the last one, set off and quoted as it is.
  std::string_view separator = " ";
  char quote = '"';
  if (!span.attributes.empty()) {
    const Attribute& last = span.attributes.back();
    separator = text_.substr(last.begin, last.nameBegin - last.begin);
    quote = text_[last.valueBegin - 1];
  }
  for (const pugi::xml_attribute& now : node.attributes()) {
    const auto known = [&now](const Attribute& was) { return was.name == now.name(); };
    if (std::ranges::any_of(span.attributes, known)) continue;
    out += separator;
    out += now.name();
    out += '=';
    out += quote;
    AppendEscaped(out, now.value(), quote);
    out += quote;
  }
  const std::size_t afterAttributes =
      span.attributes.empty() ? span.nameEnd : span.attributes.back().end;
  out.append(text_, afterAttributes, span.tagClose - afterAttributes);
}

}  // namespace kwhost
