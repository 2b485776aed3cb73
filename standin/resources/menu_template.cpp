// MENU and MENUEX templates: nested item lists, each ended by an item flagged as the last.
#include "standin/resources/byte_reader.h"
#include "standin/resources/decoders.h"

namespace standin {
namespace {

constexpr std::uint16_t kRtMenu = 4;
constexpr std::uint16_t kMfPopup = 0x10;
constexpr std::uint16_t kMfEnd = 0x80;
constexpr std::uint32_t kMftSeparator = 0x800;
constexpr std::uint16_t kExPopup = 0x01;
constexpr std::uint16_t kExLast = 0x80;
// Real menus nest two or three deep; a deeper template is corrupt, not a reason to recurse on.
constexpr int kMaxDepth = 16;

std::vector<MenuEntry> ParseItems(ByteReader& in, bool extended, int depth) {
  if (depth > kMaxDepth) in.Fail("menu nested too deeply");
  std::vector<MenuEntry> entries;
  for (bool last = false; !last;) {
    MenuEntry entry;
    bool popup = false;
    if (extended) {
      in.Align(4);
      std::uint32_t type = in.U32();
      in.Skip(4);  // state
      entry.id = in.I32();
      std::uint16_t flags = in.U16();
      entry.text = in.Utf16z();
      in.Align(4);
      popup = flags & kExPopup;
      last = flags & kExLast;
      entry.separator = (type & kMftSeparator) != 0;
      if (popup) in.Skip(4);  // help id
    } else {
      std::uint16_t flags = in.U16();
      popup = flags & kMfPopup;
      last = flags & kMfEnd;
      if (!popup) entry.id = in.U16();
      entry.text = in.Utf16z();
      entry.separator = (flags & kMftSeparator) || (!popup && entry.id == 0 && entry.text.empty());
    }
    if (popup) entry.children = ParseItems(in, extended, depth + 1);
    entries.push_back(std::move(entry));
  }
  return entries;
}

}  // namespace

std::vector<MenuEntry> ParseMenuTemplate(std::span<const std::uint8_t> bytes) {
  ByteReader in(bytes, "menu template");
  std::uint16_t version = in.U16();
  std::uint16_t offset = in.U16();
  if (version > 1) in.Fail("unknown menu template version " + std::to_string(version));
  in.Skip(offset);  // MENUEX: the help id lies here
  return ParseItems(in, version == 1, 0);
}

std::optional<MenuTemplate> Resources::Menu(int id, Language language) const {
  if (id < 0 || id > 0xFFFF) return std::nullopt;
  const auto* raw = Raw(kRtMenu, static_cast<std::uint16_t>(id), language);
  if (!raw) return std::nullopt;
  auto top = Described("menu " + std::to_string(id), [&] { return ParseMenuTemplate(*raw); });
  MenuTemplate menu{id, {}};
  if (top.size() == 1 && !top[0].children.empty()) {
    menu.entries = std::move(top[0].children);
  } else {
    menu.entries = std::move(top);
  }
  return menu;
}

}  // namespace standin
