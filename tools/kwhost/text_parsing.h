// Small text helpers shared by the command line, the preference file and the SVG reader.
#ifndef KERFWORKS_TOOLS_KWHOST_TEXT_PARSING_H
#define KERFWORKS_TOOLS_KWHOST_TEXT_PARSING_H

#include <charconv>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kwhost {

// The pieces between separators, empty ones included: "" is one empty piece.
inline std::vector<std::string> Split(std::string_view text, char separator) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  while (true) {
    const auto end = text.find(separator, start);
    parts.emplace_back(text.substr(start, end - start));
    if (end == std::string_view::npos) return parts;
    start = end + 1;
  }
}

// The number that is all of `text` (no blanks, no '+'); nullopt otherwise.
template <typename T>
std::optional<T> ParseWhole(std::string_view text) {
  if (text.empty()) return std::nullopt;
  T value{};
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

// `text` without the spaces, tabs and line breaks around it.
inline std::string_view Trim(std::string_view text) {
  constexpr std::string_view kBlanks = " \t\r\n";
  const auto first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

}  // namespace kwhost

#endif  // KERFWORKS_TOOLS_KWHOST_TEXT_PARSING_H
