// The command line that starts the cutting application: "%s -i %s" with the program and the cut
// file, and the arguments that line gives the program on every system.
#ifndef KERFWORKS_OUTPUT_COMMAND_LINE_H
#define KERFWORKS_OUTPUT_COMMAND_LINE_H

#include <cstddef>

#include "output/cut_file.h"

class CommandLine {
 public:
  // Both paths whole (259 characters each) and quoted, the option and its spaces, the terminator.
  static constexpr std::size_t kCapacity = 2 * (std::size_t{kPathCapacity} - 1) + 4 + 4 + 1;

  CommandLine(const char* program, const char* cutFile);

  // The whole line, as Windows passes it to the program. The application takes the rest of its
  // line after "-i" as the file, so a path with blanks is written in its short form, and
  // quoted only when the system has none.
  const char* Text() const { return text_; }
  // "-i" and the cut file, whole whatever it holds; null-terminated.
  const char* const* Arguments() const { return arguments_; }

 private:
  char text_[kCapacity];
  char cutFile_[kPathCapacity];
  const char* arguments_[3];
};

#endif  // KERFWORKS_OUTPUT_COMMAND_LINE_H
