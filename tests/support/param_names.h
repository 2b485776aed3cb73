// Names of parameterised cases taken from the case itself, so that test lists say which case
// failed rather than its index or its bytes.
#ifndef KERFWORKS_TESTS_SUPPORT_PARAM_NAMES_H
#define KERFWORKS_TESTS_SUPPORT_PARAM_NAMES_H

#include <gtest/gtest.h>

#include <cctype>
#include <cstdint>
#include <functional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace test_support {

// `text` as a valid case name: letters and digits kept, every other run one underscore. A name
// never starts with a digit, which test lists would take for an index.
inline std::string CaseName(std::string_view text) {
  constexpr std::size_t kLongest = 64;
  std::string name;
  bool gap = false;
  for (const char c : text) {
    if (std::isalnum(static_cast<unsigned char>(c)) == 0) {
      gap = !name.empty();
      continue;
    }
    if (gap) name += '_';
    gap = false;
    name += c;
    if (name.size() >= kLongest) break;
  }
  if (name.empty()) return "empty";
  if (std::isdigit(static_cast<unsigned char>(name[0])) != 0) name = '_' + name;
  return name;
}

// The words of a command line, say, but for `skip`, one space apart.
inline std::string Joined(const std::vector<std::string>& words, std::string_view skip = {}) {
  std::string text;
  for (const std::string& word : words) {
    if (word != skip) text += (text.empty() ? "" : " ") + word;
  }
  return text;
}

// An error code by its four characters when it has them, else by its number.
inline std::string CodeName(std::int32_t code) {
  std::string chars;
  for (int shift = 24; shift >= 0; shift -= 8) {
    const auto c = static_cast<unsigned char>((static_cast<std::uint32_t>(code) >> shift) & 0xFF);
    if (std::isprint(c) == 0)
      return code < 0 ? "minus" + std::to_string(-static_cast<std::int64_t>(code))
                      : std::to_string(code);
    chars += static_cast<char>(c);
  }
  return chars;
}

// `name`, numbered from the second case of one instantiation that comes out alike. Test
// registration names the cases of an instantiation in order from index 0 before the next one.
inline std::string Unique(const std::string& name, std::size_t index) {
  static std::set<std::string> taken;
  if (index == 0) taken.clear();
  std::string unique = name;
  for (int n = 2; !taken.insert(unique).second; ++n) unique = name + "_" + std::to_string(n);
  return unique;
}

// A name generator for INSTANTIATE_TEST_SUITE_P: the case named by `part` of it (a member or a
// function of the case giving text).
template <typename Part>
auto NameBy(Part part) {
  return [part](const auto& info) {
    return Unique(CaseName(std::invoke(part, info.param)), info.index);
  };
}

}  // namespace test_support

#endif  // KERFWORKS_TESTS_SUPPORT_PARAM_NAMES_H
