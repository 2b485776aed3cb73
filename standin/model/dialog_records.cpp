#include "standin/model/dialog_records.h"

#include <cctype>
#include <cstring>

namespace standin {
namespace {

constexpr char kPicturePushButtonClass[] = "ADM Picture Push Button Type";
constexpr char kPopupListClass[] = "ADM Popup List Type";
constexpr char kTextEditClass[] = "ADM Text Edit Type";

// Low bits of the predefined classes' styles.
constexpr std::uint32_t kButtonTypeMask = 0x0F;
constexpr std::uint32_t kStaticTypeMask = 0x1F;

// Window class names are case-insensitive; resource compilers may hand them out upper-cased.
bool SameClass(const std::string& a, const char* b) {
  const std::size_t length = std::strlen(b);
  if (a.size() != length) return false;
  for (std::size_t i = 0; i < length; ++i) {
    if (std::tolower(static_cast<unsigned char>(a[i])) !=
        std::tolower(static_cast<unsigned char>(b[i]))) {
      return false;
    }
  }
  return true;
}

ItemKind ButtonKind(std::uint32_t style) {
  switch (style & kButtonTypeMask) {
    case 0x0:  // push button
    case 0x1:  // default push button
      return ItemKind::kPushButton;
    case 0x4:  // radio button
    case 0x9:  // automatic radio button
      return ItemKind::kRadioButton;
    case 0x7:  // group box
      return ItemKind::kFrame;
    default:
      return ItemKind::kCheckBox;
  }
}

ItemKind StaticKind(std::uint32_t style) {
  switch (style & kStaticTypeMask) {
    case 0x07:  // black, grey and white frames
    case 0x08:
    case 0x09:
    case 0x10:  // etched horizontal line
    case 0x11:  // etched vertical line
    case 0x12:  // etched frame
      return ItemKind::kFrame;
    default:
      return ItemKind::kStaticText;
  }
}

}  // namespace

const char* ItemKindName(ItemKind kind) {
  switch (kind) {
    case ItemKind::kPicturePushButton:
      return "picture push button";
    case ItemKind::kPushButton:
      return "push button";
    case ItemKind::kCheckBox:
      return "check box";
    case ItemKind::kRadioButton:
      return "radio button";
    case ItemKind::kPopupList:
      return "popup list";
    case ItemKind::kListBox:
      return "list box";
    case ItemKind::kTextEdit:
      return "text edit";
    case ItemKind::kStaticText:
      return "static text";
    case ItemKind::kFrame:
      return "frame";
    case ItemKind::kFlyoutMenu:
      return "flyout menu";
    case ItemKind::kCustom:
      return "custom";
  }
  return "unknown";
}

ItemKind ItemKindOf(const std::string& windowClass, std::uint32_t style) {
  if (SameClass(windowClass, kPicturePushButtonClass)) return ItemKind::kPicturePushButton;
  if (SameClass(windowClass, kPopupListClass)) return ItemKind::kPopupList;
  if (SameClass(windowClass, kTextEditClass)) return ItemKind::kTextEdit;
  if (SameClass(windowClass, "Button")) return ButtonKind(style);
  if (SameClass(windowClass, "Static")) return StaticKind(style);
  if (SameClass(windowClass, "Edit")) return ItemKind::kTextEdit;
  if (SameClass(windowClass, "ComboBox")) return ItemKind::kPopupList;
  if (SameClass(windowClass, "ListBox")) return ItemKind::kListBox;
  return ItemKind::kCustom;
}

bool DrawColor::operator==(const DrawColor& other) const {
  if (rgb != other.rgb) return false;
  if (!rgb) return code == other.code;
  return value.red == other.value.red && value.green == other.value.green &&
         value.blue == other.value.blue;
}

DrawColor AdmColor(std::int32_t code) {
  return DrawColor{false, code, {0, 0, 0}};
}

DrawColor RgbColor(std::uint16_t red, std::uint16_t green, std::uint16_t blue) {
  return DrawColor{true, 0, {red, green, blue}};
}

}  // namespace standin
