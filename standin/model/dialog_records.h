// What the dialog system keeps of each dialog, item, list, entry, icon and of the transient
// notifiers, trackers and drawers it hands the plug-in's callbacks.
#ifndef KERFWORKS_STANDIN_MODEL_DIALOG_RECORDS_H
#define KERFWORKS_STANDIN_MODEL_DIALOG_RECORDS_H

#include <climits>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "hostapi/adm_callbacks.h"
#include "hostapi/adm_dialog.h"
#include "hostapi/adm_drawing.h"

namespace standin {

// The kind of an item, from its template class (and, for the predefined classes, its style).
enum class ItemKind {
  kPicturePushButton,
  kPushButton,
  kCheckBox,
  kRadioButton,
  kPopupList,
  kListBox,
  kTextEdit,
  kStaticText,
  kFrame,  // etched lines, frames and group boxes
  kFlyoutMenu,
  kCustom,  // an ADM class the host does not model further
};

const char* ItemKindName(ItemKind kind);
ItemKind ItemKindOf(const std::string& windowClass, std::uint32_t style);

struct EntryRecord {
  ADMListRef list = nullptr;
  int index = 0;
  int id = 0;
  std::string text;
  bool separator = false;
  bool selected = false;
};

struct ListRecord {
  ADMItemRef item = nullptr;
  int menuId = 0;  // 0: not filled from a menu resource
  std::vector<ADMEntryRef> entries;
};

struct ItemRecord {
  ADMDialogRef dialog = nullptr;
  int id = 0;
  ItemKind kind = ItemKind::kStaticText;
  std::string windowClass;
  std::uint32_t windowStyle = 0;
  ASRect bounds{};  // in the dialog's local pixels
  std::string text;
  std::int32_t style = 0;
  std::string tip;
  std::optional<std::int32_t> pictureId;
  std::string pictureName;
  std::int32_t units = 0;
  float value = 0.0f;
  std::optional<float> minValue;
  std::optional<float> maxValue;
  int precision = 3;  // decimals a numeric field shows
  ADMItemNotifyProc notifyProc = nullptr;
  ADMItemDrawProc drawProc = nullptr;
  ADMItemTrackProc trackProc = nullptr;
  ADMListRef list = nullptr;
  int invalidations = 0;
  // Of those, the plug-in's own requests (Invalidate), apart from the host's repaints after moves
  // and changes.
  int invalidateCalls = 0;
  bool needsRedraw = true;
};

struct SizeConstraints {
  int minWidth = 0;
  int minHeight = 0;
  int maxWidth = INT_MAX;
  int maxHeight = INT_MAX;
  int horizontalIncrement = 1;
  int verticalIncrement = 1;
};

struct DialogRecord {
  SPPluginRef plugin = nullptr;
  std::string name;
  int resourceId = 0;
  std::int32_t style = 0;
  std::int32_t options = 0;
  bool modal = false;
  std::string caption;
  ADMUserData userData = nullptr;
  ADMDialogDrawProc drawProc = nullptr;
  ADMDialogNotifyProc notifyProc = nullptr;
  ADMDialogTrackProc trackProc = nullptr;
  ADMDialogDestroyProc destroyProc = nullptr;
  ASRect bounds{};  // screen pixels
  SizeConstraints size;
  std::vector<ADMItemRef> items;             // the flyout menu first, then template order
  std::map<std::int32_t, ADMIconRef> icons;  // by icon state; the dialog owns them
  std::optional<std::string> dockGroup;
  std::int32_t dockCode = 0;
  bool visible = true;
  int invalidations = 0;
  bool destroying = false;
  std::optional<std::int32_t> modalResult;  // set when a modal run is ended
};

struct IconRecord {
  int resourceId = 0;
  std::string name;
  int index = 0;
  int width = 0;
  int height = 0;
  ADMDialogRef owner = nullptr;  // set once a dialog took it over
};

struct AdmNotifierRecord {
  std::string type;
  ADMItemRef item = nullptr;
  ADMDialogRef dialog = nullptr;
};

struct TrackerRecord {
  ASPoint point{};
  std::int32_t action = 0;
  bool aborted = false;
};

// A colour as the plug-in set it: a standard colour code, or RGB.
struct DrawColor {
  bool rgb = false;
  std::int32_t code = kADMBlackColor;
  ADMRGBColor value{0, 0, 0};
  bool operator==(const DrawColor& other) const;
};

DrawColor AdmColor(std::int32_t code);
DrawColor RgbColor(std::uint16_t red, std::uint16_t green, std::uint16_t blue);

enum class DrawOpKind {
  kSetColor,
  kFillRect,
  kFrameRect,
  kFillOval,
  kFramePolygon,
  kPicture,
  kDefault,  // the host's own drawing of the item or dialog
};

struct DrawOp {
  DrawOpKind kind;
  DrawColor color;  // the current colour after the call
  ASRect rect{};
  std::vector<ASPoint> points;
  std::int32_t pictureId = 0;
};

struct DrawerRecord {
  ASRect bounds{};
  DrawColor color;
  std::vector<DrawOp> ops;
};

}  // namespace standin

#endif  // KERFWORKS_STANDIN_MODEL_DIALOG_RECORDS_H
