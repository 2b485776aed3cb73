// String tables: block n holds strings 16 (n - 1) to 16 n - 1, each a length-prefixed UTF-16 run.
#include <vector>

#include "standin/resources/byte_reader.h"
#include "standin/resources/decoders.h"

namespace standin {
namespace {

constexpr std::uint16_t kRtString = 6;
constexpr int kStringsPerBlock = 16;

}  // namespace

std::optional<std::string> StringTableEntry(std::span<const std::uint8_t> block, int index) {
  ByteReader reader(block, "string table");
  for (int i = 0;; ++i) {
    std::uint16_t length = reader.U16();
    auto bytes = reader.Take(std::size_t{length} * 2);
    if (i < index) continue;
    if (length == 0) return std::nullopt;
    std::vector<char16_t> units(length);
    for (std::size_t k = 0; k < length; ++k) {
      units[k] = static_cast<char16_t>(bytes[2 * k] | bytes[2 * k + 1] << 8);
    }
    return Utf16ToUtf8(units);
  }
}

std::optional<std::string> Resources::String(int id, Language language) const {
  if (id < 0 || id > 0xFFFF) return std::nullopt;
  const auto* block =
      Raw(kRtString, static_cast<std::uint16_t>(id / kStringsPerBlock + 1), language);
  if (!block) return std::nullopt;
  return Described("string " + std::to_string(id),
                   [&] { return StringTableEntry(*block, id % kStringsPerBlock); });
}

}  // namespace standin
