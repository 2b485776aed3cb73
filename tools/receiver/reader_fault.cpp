#include "tools/receiver/reader_fault.h"

namespace receiver {

std::string QuoteForMessage(std::string_view text) {
  constexpr std::size_t kLongest = 60;
  if (text.size() <= kLongest) return "\"" + std::string(text) + "\"";
  return "\"" + std::string(text.substr(0, kLongest)) + "...\"";
}

}  // namespace receiver
