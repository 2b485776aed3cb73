// The text of an SVG file, read whole into one buffer, and where its lines begin. The XML reader
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

// Text in pages of its own, asked to be huge pages: a large drawing's text is tens of megabytes,
// and one page fault per 4 KiB of it cost more than reading it.
class TextBuffer {
 public:
  // The whole file; nullopt when it cannot be read.
  static std::optional<TextBuffer> ReadFile(const std::string& path);

  TextBuffer(TextBuffer&& other) noexcept;
  TextBuffer& operator=(TextBuffer&& other) noexcept;
  ~TextBuffer();

  char* data() { return data_; }
  std::size_t size() const { return size_; }

  // Gives the memory of the whole huge pages within [from, to) back to the system: text that will
  // not be read again, which then reads as zeros.
  void Discard(std::size_t from, std::size_t to);

 private:
  TextBuffer() = default;
  // Room for `extra` more bytes after the text; false when there is no memory for it.
  bool Reserve(std::size_t extra);
  std::size_t Room() const { return capacity_ - size_; }

  char* data_ = nullptr;
  std::size_t size_ = 0;
  std::size_t capacity_ = 0;
};

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
