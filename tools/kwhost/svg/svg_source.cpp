#include "tools/kwhost/svg/svg_source.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>

namespace svg {

std::optional<std::string> ReadWholeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::string text;
  // A regular file is read in one go into a buffer of its size; anything else (a pipe) and
  // whatever a growing file adds come in pieces.
  std::error_code unknownSize;
  const std::uintmax_t size = std::filesystem::file_size(path, unknownSize);
  if (!unknownSize) {
    text.resize(size);
    in.read(text.data(), static_cast<std::streamsize>(size));
    text.resize(static_cast<std::size_t>(in.gcount()));
  }
  char piece[1 << 16];
  while (in.read(piece, sizeof piece) || in.gcount() > 0) {
    text.append(piece, static_cast<std::size_t>(in.gcount()));
  }
  if (in.bad()) return std::nullopt;
  return text;
}

LineIndex::LineIndex(std::string_view text) {
  const char* at = text.data();
  const char* const end = at + text.size();
  while (at != end) {
    const void* found = std::memchr(at, '\n', static_cast<std::size_t>(end - at));
    if (found == nullptr) break;
    at = static_cast<const char*>(found);
    lineEnds_.push_back(static_cast<std::size_t>(at - text.data()));
    ++at;
  }
}

int LineIndex::LineAt(std::ptrdiff_t offset) const {
  const auto before =
      std::lower_bound(lineEnds_.begin(), lineEnds_.end(),
                       static_cast<std::size_t>(std::max<std::ptrdiff_t>(offset, 0)));
  return 1 + static_cast<int>(before - lineEnds_.begin());
}

}  // namespace svg
