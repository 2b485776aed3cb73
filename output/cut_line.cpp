#include "output/cut_line.h"

#include <algorithm>
#include <cstring>

namespace {
constexpr char kLineEnd[] = "\r\n";
}  // namespace

CutLine& CutLine::Text(const char* text) {
  const std::size_t size = std::min(std::strlen(text), kCapacity - length_);
  std::memcpy(text_ + length_, text, size);
  length_ += size;
  return *this;
}

CutLine& CutLine::Number(double value) {
  Separate();
  char* end = FormatFixed6(text_ + length_, text_ + kCapacity, value);
  if (end != nullptr) length_ = static_cast<std::size_t>(end - text_);
  return *this;
}

CutLine& CutLine::Operator(const char* op) {
  Separate();
  return Text(op);
}

CutLine& CutLine::End() {
  return Text(kLineEnd);
}

void CutLine::Separate() {
  if (length_ == 0 || text_[length_ - 1] == ' ' || length_ == kCapacity) return;
  text_[length_++] = ' ';
}
