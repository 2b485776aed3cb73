#include "tools/kwhost/svg/svg_source.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <utility>

namespace svg {
namespace {

constexpr std::size_t kHugePage = 2 << 20;
constexpr std::size_t kPiece = 1 << 16;

std::size_t RoundUp(std::size_t size, std::size_t unit) {
  return (size + unit - 1) / unit * unit;
}

// Closes the file however reading ends.
class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  ~FileDescriptor() {
    if (fd_ >= 0) close(fd_);
  }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  int Get() const { return fd_; }

 private:
  int fd_;
};

}  // namespace

TextBuffer::TextBuffer(TextBuffer&& other) noexcept
    : data_(std::exchange(other.data_, nullptr)),
      size_(std::exchange(other.size_, 0)),
      capacity_(std::exchange(other.capacity_, 0)) {}

TextBuffer& TextBuffer::operator=(TextBuffer&& other) noexcept {
  std::swap(data_, other.data_);
  std::swap(size_, other.size_);
  std::swap(capacity_, other.capacity_);
  return *this;
}

TextBuffer::~TextBuffer() {
  if (data_ != nullptr) munmap(data_, capacity_);
}

bool TextBuffer::Reserve(std::size_t extra) {
  if (Room() >= extra) return true;
  const std::size_t capacity = RoundUp(std::max(size_ + extra, 2 * capacity_), kHugePage);
  void* pages = data_ == nullptr ? mmap(nullptr, capacity, PROT_READ | PROT_WRITE,
                                        MAP_PRIVATE | MAP_ANONYMOUS, -1, 0)
                                 : mremap(data_, capacity_, capacity, MREMAP_MAYMOVE);
  if (pages == MAP_FAILED) return false;
  // Only advice: without huge pages the text is read all the same.
  madvise(pages, capacity, MADV_HUGEPAGE);
  data_ = static_cast<char*>(pages);
  capacity_ = capacity;
  return true;
}

void TextBuffer::Discard(std::size_t from, std::size_t to) {
  const std::size_t begin = RoundUp(from, kHugePage);
  const std::size_t end = std::min(to, size_) / kHugePage * kHugePage;
  // Only advice: memory not given back is merely held longer.
  if (begin < end) madvise(data_ + begin, end - begin, MADV_DONTNEED);
}

std::optional<TextBuffer> TextBuffer::ReadFile(const std::string& path) {
  const FileDescriptor file(open(path.c_str(), O_RDONLY | O_CLOEXEC));
  if (file.Get() < 0) return std::nullopt;
  TextBuffer text;
  // A regular file is read into a buffer of its size; anything else (a pipe) and whatever a
  // growing file adds make the buffer grow.
  struct stat status {};
  if (fstat(file.Get(), &status) == 0 && S_ISREG(status.st_mode) &&
      !text.Reserve(static_cast<std::size_t>(status.st_size) + 1)) {
    return std::nullopt;
  }
  while (true) {
    if (text.Room() == 0 && !text.Reserve(kPiece)) return std::nullopt;
    const ssize_t count = read(file.Get(), text.data_ + text.size_, text.Room());
    if (count == 0) return text;
    if (count < 0 && errno != EINTR) return std::nullopt;
    if (count > 0) text.size_ += static_cast<std::size_t>(count);
  }
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
