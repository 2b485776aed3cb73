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

// A path as the line names it: one with blanks would reach the application cut in two.
void PathOnLine(const char* path, char (&out)[kPathCapacity + 2]) {
  if (!HasBlank(path)) {
    std::snprintf(out, sizeof out, "%s", path);
    return;
  }
  char shortForm[kPathCapacity];
  if (platform::GetShortPath(path, shortForm, sizeof shortForm) != 0 && !HasBlank(shortForm)) {
    std::snprintf(out, sizeof out, "%s", shortForm);
    return;
  }
  std::snprintf(out, sizeof out, "\"%s\"", path);
}

}  // namespace

CommandLine::CommandLine(const char* program, const char* cutFile) {
  std::snprintf(cutFile_, sizeof cutFile_, "%s", cutFile);
  // The program too: under "Program Files" it would otherwise be split into arguments.
  char programOnLine[kPathCapacity + 2];
  PathOnLine(program, programOnLine);
  char fileOnLine[kPathCapacity + 2];
  PathOnLine(cutFile_, fileOnLine);
  std::snprintf(text_, sizeof text_, kCommandLineFormat, programOnLine, fileOnLine);
  arguments_[0] = kOption;
  arguments_[1] = cutFile_;
  arguments_[2] = nullptr;
}
