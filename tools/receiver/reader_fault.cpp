#include "tools/receiver/reader_fault.h"

namespace receiver {

std::string QuoteForMessage(std::string_view text) {
  constexpr std::size_t kLongest = 60;
  std::string quoted = "\"";
  quoted += text.substr(0, kLongest);
  quoted += text.size() <= kLongest ? "\"" : "...\"";
  return quoted;
}

}  // namespace receiver
