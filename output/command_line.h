// The command line that starts the cutting application: "%s -i %s" with the program and the cut
// file, neither quoted, and the arguments that line gives the program on every system.
#ifndef KERFWORKS_OUTPUT_COMMAND_LINE_H
#define KERFWORKS_OUTPUT_COMMAND_LINE_H

#include <cstddef>

class CommandLine {
 public:
  // Both paths whole (259 characters each), the option and its spaces, the terminator.
  static constexpr std::size_t kCapacity = 2 * 259 + 4 + 1;
  static constexpr std::size_t kMaxArguments = kCapacity / 2 + 1;

  CommandLine(const char* program, const char* cutFile);

  // The whole line, as Windows passes it to the program.
  const char* Text() const { return text_; }
  // What follows the program on the line, split at blanks as the Windows runtime splits an
  // unquoted line (a path with spaces becomes several arguments); null-terminated.
  const char* const* Arguments() const { return arguments_; }

 private:
  char text_[kCapacity];
  char tail_[kCapacity];
  const char* arguments_[kMaxArguments + 1];
};

#endif  // KERFWORKS_OUTPUT_COMMAND_LINE_H
