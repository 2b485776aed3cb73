// DIALOG and DIALOGEX templates: a header, then items each starting on a DWORD boundary.
#include "standin/resources/byte_reader.h"
#include "standin/resources/decoders.h"

namespace standin {
namespace {

constexpr std::uint16_t kRtDialog = 5;
constexpr std::uint32_t kDsSetFont = 0x40;
constexpr std::uint16_t kExSignature = 0xFFFF;

// "#<number>". Built by appending: GCC 12 warns falsely (-Wrestrict) on "#" + std::string.
std::string OrdinalText(std::uint16_t ordinal) {
  std::string text = "#";
  text += std::to_string(ordinal);
  return text;
}

std::string ClassName(const NameOrOrdinal& cls) {
  if (!cls.isOrdinal) return cls.name;
  switch (cls.ordinal) {
    case 0x80:
      return "Button";
    case 0x81:
      return "Edit";
    case 0x82:
      return "Static";
    case 0x83:
      return "ListBox";
    case 0x84:
      return "ScrollBar";
    case 0x85:
      return "ComboBox";
    default:
      return OrdinalText(cls.ordinal);
  }
}

std::string Text(const NameOrOrdinal& text) {
  return text.isOrdinal ? OrdinalText(text.ordinal) : text.name;
}

DialogItemTemplate ParseItem(ByteReader& in, bool extended) {
  DialogItemTemplate item;
  in.Align(4);
  if (extended) {
    in.Skip(4);  // help id
    item.exStyle = in.U32();
    item.style = in.U32();
  } else {
    item.style = in.U32();
    item.exStyle = in.U32();
  }
  item.x = in.I16();
  item.y = in.I16();
  item.width = in.I16();
  item.height = in.I16();
  item.id = extended ? in.I32() : in.I16();
  item.windowClass = ClassName(in.NameOrOrd());
  item.text = Text(in.NameOrOrd());
  in.Skip(in.U16());  // creation data
  return item;
}

}  // namespace

DialogTemplate ParseDialogTemplate(std::span<const std::uint8_t> bytes) {
  ByteReader in(bytes, "dialog template");
  DialogTemplate dialog;
  bool extended = bytes.size() >= 4 && bytes[0] == 1 && bytes[1] == 0 &&
                  (bytes[2] | bytes[3] << 8) == kExSignature;
  if (extended) {
    in.Skip(8);  // version, signature, help id
    in.Skip(4);  // extended style
    dialog.style = in.U32();
  } else {
    dialog.style = in.U32();
    in.Skip(4);  // extended style
  }
  std::uint16_t count = in.U16();
  dialog.x = in.I16();
  dialog.y = in.I16();
  dialog.width = in.I16();
  dialog.height = in.I16();
  in.NameOrOrd();  // menu
  in.NameOrOrd();  // window class
  dialog.caption = in.Utf16z();
  if (dialog.style & kDsSetFont) {
    dialog.fontSize = in.U16();
    if (extended) in.Skip(4);  // weight, italic, character set
    dialog.fontName = in.Utf16z();
  }
  for (std::uint16_t i = 0; i < count; ++i) dialog.items.push_back(ParseItem(in, extended));
  return dialog;
}

std::optional<DialogTemplate> Resources::Dialog(int id, Language language) const {
  if (id < 0 || id > 0xFFFF) return std::nullopt;
  const auto* raw = Raw(kRtDialog, static_cast<std::uint16_t>(id), language);
  if (!raw) return std::nullopt;
  DialogTemplate dialog =
      Described("dialog " + std::to_string(id), [&] { return ParseDialogTemplate(*raw); });
  dialog.id = id;
  return dialog;
}

}  // namespace standin
