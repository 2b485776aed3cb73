// Hands out the lines of a cut file one at a time, rejecting anything but printable ASCII lines
// ended by CR LF. Faults are thrown as ReaderFault, in line order.
#pragma once

#include <string_view>
#include <vector>

namespace receiver {

class LineReader {
 public:
  explicit LineReader(std::string_view bytes) : bytes_(bytes) {}

  // The next line without its CR LF. At the end of the input, fails with "file ends early"
  // naming `expected`.
  std::string_view Next(std::string_view expected);
  bool AtEnd() const { return position_ == bytes_.size(); }
  // Number of the line Next returned last; 0 before the first.
  int LineNumber() const { return lineNumber_; }

 private:
  std::string_view TakeLine();

  std::string_view bytes_;
  std::size_t position_ = 0;
  int lineNumber_ = 0;
};

// Splits a line at single spaces; two spaces in a row are a fault on `line`.
std::vector<std::string_view> SplitFields(std::string_view text, int line);

}  // namespace receiver
