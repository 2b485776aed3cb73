#include "output/command_line.h"

#include <cstdio>
#include <cstring>

#include "platform/platform.h"

namespace {

constexpr char kCommandLineFormat[] = "%s -i %s";
constexpr char kOption[] = "-i";

bool HasBlank(const char* text) {
  return std::strpbrk(text, " \t") != nullptr;
}

// The cut file as the line names it: a path with blanks would reach the application cut in two.
void FileOnLine(const char* cutFile, char (&out)[kPathCapacity + 2]) {
  if (!HasBlank(cutFile)) {
    std::snprintf(out, sizeof out, "%s", cutFile);
    return;
  }
  char shortForm[kPathCapacity];
  if (platform::GetShortPath(cutFile, shortForm, sizeof shortForm) != 0 && !HasBlank(shortForm)) {
    std::snprintf(out, sizeof out, "%s", shortForm);
    return;
  }
  std::snprintf(out, sizeof out, "\"%s\"", cutFile);
}

}  // namespace

CommandLine::CommandLine(const char* program, const char* cutFile) {
  std::snprintf(cutFile_, sizeof cutFile_, "%s", cutFile);
  char onLine[kPathCapacity + 2];
  FileOnLine(cutFile_, onLine);
  std::snprintf(text_, sizeof text_, kCommandLineFormat, program, onLine);
  arguments_[0] = kOption;
  arguments_[1] = cutFile_;
  arguments_[2] = nullptr;
}
