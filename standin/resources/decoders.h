// The decoders of single resources, apart from the lookup so that tests can feed them bytes.
// Each throws std::runtime_error saying what is wrong with corrupt data.
#ifndef KERFWORKS_STANDIN_RESOURCES_DECODERS_H
#define KERFWORKS_STANDIN_RESOURCES_DECODERS_H

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "standin/resources/resources.h"

namespace standin {

// Entry `index` (0..15) of one string table block; nullopt for an empty entry.
std::optional<std::string> StringTableEntry(std::span<const std::uint8_t> block, int index);
// A DIALOG or DIALOGEX template.
DialogTemplate ParseDialogTemplate(std::span<const std::uint8_t> bytes);
// The top-level entries of a MENU or MENUEX template.
std::vector<MenuEntry> ParseMenuTemplate(std::span<const std::uint8_t> bytes);

// A device-independent bitmap without file header: a bitmap resource, or an icon image whose
// height counts the colour bits and the AND mask below them.
enum class DibKind { kBitmap, kIcon };
Picture DecodeDib(std::span<const std::uint8_t> bytes, DibKind kind);
// The image of an icon resource: a DIB with mask or, as newer icons are, a PNG.
Picture DecodeIconImage(std::span<const std::uint8_t> bytes);
// The icon image id in an icon group: the 32 x 32 one with the most colours, else the largest.
std::uint16_t BestIconInGroup(std::span<const std::uint8_t> group);
Picture DecodePng(std::span<const std::uint8_t> bytes);

}  // namespace standin

#endif  // KERFWORKS_STANDIN_RESOURCES_DECODERS_H
