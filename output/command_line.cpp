#include "output/command_line.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

constexpr char kCommandLineFormat[] = "%s -i %s";

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

}  // namespace

CommandLine::CommandLine(const char* program, const char* cutFile) {
  std::snprintf(text_, sizeof text_, kCommandLineFormat, program, cutFile);
  const std::size_t programLength = std::min(std::strlen(program), std::strlen(text_));
  std::memcpy(tail_, text_ + programLength, std::strlen(text_) - programLength + 1);

  std::size_t count = 0;
  for (char* next = tail_; *next != '\0' && count < kMaxArguments;) {
    if (IsBlank(*next)) {
      *next++ = '\0';
      continue;
    }
    arguments_[count++] = next;
    while (*next != '\0' && !IsBlank(*next)) ++next;
  }
  arguments_[count] = nullptr;
}
