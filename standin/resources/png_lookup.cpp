// The PNG picture resources; the decoding itself depends on the system (png_decode_*.cpp).
#include "standin/resources/byte_reader.h"
#include "standin/resources/decoders.h"

namespace standin {
namespace {

constexpr std::uint16_t kRtRcData = 10;
constexpr const char kPngType[] = "PNG";

}  // namespace

std::optional<Picture> Resources::Png(int id, Language language) const {
  if (id < 0 || id > 0xFFFF) return std::nullopt;
  const auto* raw = RawNamed(kPngType, static_cast<std::uint16_t>(id), language);
  if (!raw) raw = Raw(kRtRcData, static_cast<std::uint16_t>(id), language);
  if (!raw) return std::nullopt;
  return Described("picture " + std::to_string(id), [&] { return DecodePng(*raw); });
}

}  // namespace standin
