// A small recording fake of the host's suites for the palette's code: dialogs built from item
// lists per resource, lists filled from menu sizes, a preference store, menus, notifiers, contexts
// and memory blocks. Install() points the plug-in's suite variables at it; each test starts afresh.
#ifndef KERFWORKS_TESTS_PALETTE_FAKE_HOST_H
#define KERFWORKS_TESTS_PALETTE_FAKE_HOST_H

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "hostapi/suites.h"

namespace fake {

struct Dialog;

struct Item {
  int32_t id = 0;
  Dialog* dialog = nullptr;
  int32_t style = 0;
  ADMItemNotifyProc notify = nullptr;
  ADMItemDrawProc draw = nullptr;
  ADMItemTrackProc track = nullptr;
  int32_t pictureId = 0;
  std::string pictureName;
  std::optional<std::string> tip;
  ASRect bounds{};
  int invalidations = 0;
  int defaultNotifies = 0;
  int32_t menuId = 0;
  int entryCount = 0;
  int activeEntry = -1;
  std::optional<int32_t> units;
  float value = 0, minimum = -1e9f, maximum = 1e9f;
};

struct Dialog {
  std::string name;
  int32_t resourceId = 0;
  int32_t style = -1;
  SPPluginRef plugin = nullptr;
  ADMUserData userData = nullptr;
  ADMDialogDrawProc draw = nullptr;
  ADMDialogNotifyProc notify = nullptr;
  ADMDialogTrackProc track = nullptr;
  ADMDialogDestroyProc destroy = nullptr;
  ASRect bounds{};
  bool visible = true;
  int32_t minWidth = 0, minHeight = 0, verticalIncrement = 0;
  int iconsSet = 0;
  std::string dockGroup;
  int32_t dockCode = 0;
  int defaultNotifies = 0;
  bool destroying = false;  // inside the destroy callback
  bool destroyed = false;
  std::map<int32_t, std::unique_ptr<Item>> items;
  std::deque<ADMNotifierRef> notifiers;

  Item& At(int32_t id) { return *items.at(id); }
};

// A notification of `type` about `item` (null: the dialog itself).
struct Notifier {
  std::string type;
  Item* item = nullptr;
};

struct World {
  // Dialog resources: item id and bounds in dialog pixels.
  std::map<int32_t, std::vector<std::pair<int32_t, ASRect>>> templates;
  std::map<int32_t, int> menuSizes;                            // entries per menu resource
  std::map<std::pair<int32_t, int32_t>, std::string> strings;  // (list, index) -> text
  ASRect paletteLayout{0, 0, 1600, 1000};
  ASRect createdBounds{0, 0, 222, 356};  // where the host first puts a new dialog
  bool refuseCreate = false;
  // The user's actions inside a modal run; returns the item that closes it.
  std::function<int32_t(Dialog&)> modalScript;

  std::deque<std::unique_ptr<Dialog>> dialogs;
  std::vector<std::string> modalRuns;  // names, in order
  std::map<std::string, std::string> textPrefs;
  std::map<std::string, int32_t> integerPrefs;
  std::map<std::string, ASPoint> pointPrefs;
  std::vector<std::string> prefWrites;  // keys, in order
  int contextPushes = 0, contextPops = 0, openContexts = 0;
  int liveBlocks = 0, liveIcons = 0, liveStrings = 0;
  std::vector<std::string> menuItems;  // "group/name/text"
  std::map<AIMenuItemHandle, std::string> menuText;
  std::map<AIMenuItemHandle, bool> menuChecked;
  std::vector<std::pair<std::string, std::string>> notifiers;  // name, type
  std::map<std::string, AINotifierHandle> notifierByType;
  AIMenuItemHandle lastMenuItem = nullptr;
  int setPluginOptionsCalls = 0;
  int acquiredSuites = 0;
  // Art: one tagged art object the crop-mark toggle would find; the art it disposed of.
  bool documentOpen = false;
  int matchingArtRequests = 0, disposedArt = 0, redraws = 0;
  std::vector<std::string> misuse;  // calls the host would refuse

  Dialog* Find(const std::string& name);
  std::string Pref(const std::string& key) const;
};

World& The();
// Resets the world with the plug-in's resources and points the suite variables at the fake.
void Install();
// The basic suite of the fake (acquisition by name, blocks).
SPBasicSuite* Basic();
SPPluginRef PluginRef();

// Sends a notification of `type` to an item's notify callback as the host would.
void NotifyItem(Item& item, const char* type);
// Sends one to the dialog's notify callback.
void NotifyDialog(Dialog& dialog, const char* type);
// Chooses entry `index` of a list item and tells the item.
void Choose(Item& item, int index);
// The host destroying a dialog (the destroy callback runs first).
void DestroyDialog(Dialog& dialog);

}  // namespace fake

#endif  // KERFWORKS_TESTS_PALETTE_FAKE_HOST_H
