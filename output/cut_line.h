// One line of the cut file, formatted in full and then written in one piece.
#ifndef KERFWORKS_OUTPUT_CUT_LINE_H
#define KERFWORKS_OUTPUT_CUT_LINE_H

#include <cstddef>
#include <string_view>

#include "output/number_format.h"

class CutLine {
 public:
  // Six numbers, their spaces, an operator and the line end always fit, whatever the numbers:
  // a fixed 100-byte line would cut curve lines of coordinates beyond ten million points.
  static constexpr std::size_t kCapacity = 6 * (kMaxFixedNumberLength + 1) + 32;

  // User-provided, so that a line is not zeroed before it is written.
  CutLine() {}
  // Appends `text` as it is.
  CutLine& Text(const char* text);
  // Appends a number as "%lf" prints it, preceded by a space unless the line is empty or already
  // ends in one.
  CutLine& Number(double value);
  // Appends " op" (or "op" at the start of the line).
  CutLine& Operator(const char* op);
  // Appends CR LF.
  CutLine& End();

  std::string_view View() const { return {text_, length_}; }

 private:
  void Separate();
  char text_[kCapacity];
  std::size_t length_ = 0;
};

#endif  // KERFWORKS_OUTPUT_CUT_LINE_H
