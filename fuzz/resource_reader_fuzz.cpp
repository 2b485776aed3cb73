// The compiled-resource reader on any bytes: the .res container, then every resource in it
// decoded as what its type says (strings, dialogs, menus, icons, bitmaps, the PNG picture).
// Corrupt data must end in std::runtime_error, the one failure the host reports.
#include <span>
#include <stdexcept>

#include "fuzz/fuzz_target.h"
#include "standin/resources/decoders.h"
#include "standin/resources/resources.h"

namespace {

enum ResourceType : std::uint16_t {
  kBitmap = 2,
  kIcon = 3,
  kMenu = 4,
  kDialog = 5,
  kString = 6,
  kRcData = 10,
  kGroupIcon = 14,
};
constexpr int kStringsPerBlock = 16;

void Decode(const standin::Resources& resources, const standin::Resources::Key& key,
            std::span<const std::uint8_t> bytes) {
  const auto language = static_cast<standin::Language>(key.language);
  switch (key.type) {
    case kBitmap:
      resources.Bitmap(key.id, language);
      break;
    case kIcon:
      standin::DecodeIconImage(bytes);
      break;
    case kMenu:
      resources.Menu(key.id, language);
      break;
    case kDialog:
      resources.Dialog(key.id, language);
      break;
    case kString:
      for (int i = 0; key.id > 0 && i < kStringsPerBlock; ++i) {
        resources.String((key.id - 1) * kStringsPerBlock + i, language);
      }
      break;
    case kRcData:
      resources.Png(key.id, language);
      break;
    case kGroupIcon:
      resources.Icon(key.id, language);
      break;
    default:
      if (key.typeName == "PNG") resources.Png(key.id, language);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  standin::Resources resources;
  try {
    resources = standin::Resources::FromResBytes({data, size}, "input.res");
  } catch (const std::runtime_error&) {
    return 0;
  }
  for (const auto& [key, bytes] : resources.All()) {
    try {
      Decode(resources, key, bytes);
    } catch (const std::runtime_error&) {
    }
  }
  return 0;
}
