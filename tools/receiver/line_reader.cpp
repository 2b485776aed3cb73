#include "tools/receiver/line_reader.h"

#include <cstdio>
#include <string>

#include "tools/receiver/reader_fault.h"

namespace receiver {
namespace {

std::string DescribeByte(unsigned char byte) {
  char text[48];
  std::snprintf(text, sizeof text, "byte 0x%02X is not printable ASCII", byte);
  return text;
}

void CheckCharacters(std::string_view text, int line) {
  if (text.empty()) throw ReaderFault{line, "blank line"};
  for (const char character : text) {
    const auto byte = static_cast<unsigned char>(character);
    if (byte == '\t') throw ReaderFault{line, "tab character"};
    if (byte < 0x20 || byte > 0x7E) throw ReaderFault{line, DescribeByte(byte)};
  }
  if (text.front() == ' ') throw ReaderFault{line, "leading space"};
  if (text.back() == ' ') throw ReaderFault{line, "trailing space"};
}

}  // namespace

std::string_view LineReader::TakeLine() {
  const std::size_t end = bytes_.find_first_of("\r\n", position_);
  if (end == std::string_view::npos) {
    throw ReaderFault{lineNumber_, "last line does not end with CR LF"};
  }
  if (bytes_[end] == '\n') throw ReaderFault{lineNumber_, "line ends with LF without CR"};
  if (end + 1 == bytes_.size()) throw ReaderFault{lineNumber_, "line ends with CR without LF"};
  if (bytes_[end + 1] != '\n') throw ReaderFault{lineNumber_, "bare CR inside the line"};
  const std::string_view text = bytes_.substr(position_, end - position_);
  position_ = end + 2;
  return text;
}

std::string_view LineReader::Next(std::string_view expected) {
  if (AtEnd()) {
    throw ReaderFault{lineNumber_ + 1, "file ends early: expected " + std::string(expected)};
  }
  ++lineNumber_;
  const std::string_view text = TakeLine();
  CheckCharacters(text, lineNumber_);
  return text;
}

std::vector<std::string_view> SplitFields(std::string_view text, int line) {
  std::vector<std::string_view> fields;
  std::size_t start = 0;
  for (;;) {
    const std::size_t space = text.find(' ', start);
    const std::string_view field = text.substr(start, space - start);
    if (field.empty()) throw ReaderFault{line, "two spaces in a row"};
    fields.push_back(field);
    if (space == std::string_view::npos) return fields;
    start = space + 1;
  }
}

}  // namespace receiver
