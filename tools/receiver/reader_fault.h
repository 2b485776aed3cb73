// Internal to the reader: the first fault found, thrown from wherever it is seen and turned into
// a ParseError at the top.
#pragma once

#include <string>
#include <string_view>

namespace receiver {

struct ReaderFault {
  int line = 0;
  std::string message;
};

// Quotes a line for an error message, shortened so a long garbage line keeps the report readable.
std::string QuoteForMessage(std::string_view text);

}  // namespace receiver
