// Icon groups (RT_GROUP_ICON): a directory of the images of one icon, each image a separate
// RT_ICON resource named by the directory.
#include <algorithm>
#include <array>
#include <tuple>

#include "standin/resources/byte_reader.h"
#include "standin/resources/decoders.h"

namespace standin {
namespace {

constexpr std::uint16_t kRtIcon = 3;
constexpr std::uint16_t kRtGroupIcon = 14;
constexpr std::uint16_t kIconType = 1;
constexpr int kWantedSize = 32;
constexpr std::array<std::uint8_t, 8> kPngSignature = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

}  // namespace

std::uint16_t BestIconInGroup(std::span<const std::uint8_t> group) {
  ByteReader in(group, "icon group");
  in.Skip(2);
  if (in.U16() != kIconType) in.Fail("not an icon group");
  std::uint16_t count = in.U16();
  if (count == 0) in.Fail("icon group without images");
  std::uint16_t best = 0;
  std::tuple<bool, int, int> bestRank{};
  for (std::uint16_t i = 0; i < count; ++i) {
    int width = in.U8(), height = in.U8();
    in.Skip(4);  // colour count, reserved, planes
    int bits = in.U16();
    in.Skip(4);  // bytes in the image
    std::uint16_t id = in.U16();
    width = width ? width : 256;
    height = height ? height : 256;
    // The wanted size first, with the most colours; else the largest image.
    bool wanted = width == kWantedSize && height == kWantedSize;
    std::tuple<bool, int, int> rank{wanted, wanted ? 0 : width * height, bits};
    if (i == 0 || rank > bestRank) {
      best = id;
      bestRank = rank;
    }
  }
  return best;
}

Picture DecodeIconImage(std::span<const std::uint8_t> bytes) {
  if (bytes.size() >= kPngSignature.size() &&
      std::equal(kPngSignature.begin(), kPngSignature.end(), bytes.begin())) {
    return DecodePng(bytes);
  }
  return DecodeDib(bytes, DibKind::kIcon);
}

std::optional<Picture> Resources::Icon(int id, Language language) const {
  if (id < 0 || id > 0xFFFF) return std::nullopt;
  const auto* group = Raw(kRtGroupIcon, static_cast<std::uint16_t>(id), language);
  if (!group) return std::nullopt;
  return Described("icon " + std::to_string(id), [&] {
    std::uint16_t imageId = BestIconInGroup(*group);
    const auto* image = Raw(kRtIcon, imageId, language);
    if (!image) {
      throw std::runtime_error("its image " + std::to_string(imageId) + " is missing");
    }
    return DecodeIconImage(*image);
  });
}

}  // namespace standin
