// The text of an SVG file, read whole in one piece, and where its lines begin. The XML reader
// parses the text in place, rewriting it (terminators, line ends), so lines for messages are
// counted before it does.
#ifndef KERFWORKS_TOOLS_KWHOST_SVG_SVG_SOURCE_H
#define KERFWORKS_TOOLS_KWHOST_SVG_SVG_SOURCE_H

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace svg {

// The whole file; nullopt when it cannot be read.
std::optional<std::string> ReadWholeFile(const std::string& path);

class LineIndex {
 public:
  explicit LineIndex(std::string_view text);
  // 1-based line of a byte offset into the text (offsets out of range are clamped).
  int LineAt(std::ptrdiff_t offset) const;

 private:
  std::vector<std::size_t> lineEnds_;  // offsets of the line feeds
};

}  // namespace svg

#endif  // KERFWORKS_TOOLS_KWHOST_SVG_SVG_SOURCE_H
