// The host's dialog system: dialogs and their items built from the plug-in's dialog templates,
// popup and flyout lists filled from its menus, icons, and the events the host sends the
// plug-in's callbacks (notify, draw, track, destroy) with the host's default handling behind
// them. Modal runs are driven by scripts (see modal_script.h).
//
// Lookups taking a `call` record misuse of a handle (null, unknown, or used after it was
// destroyed) as misbehaviour of that call and answer null.
#ifndef KERFWORKS_STANDIN_MODEL_DIALOG_SYSTEM_H
#define KERFWORKS_STANDIN_MODEL_DIALOG_SYSTEM_H

#include <deque>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "standin/core/call_gate.h"
#include "standin/core/handle_table.h"
#include "standin/model/dialog_records.h"
#include "standin/model/dialog_resources.h"
#include "standin/model/modal_script.h"

namespace standin {

class Host;

inline constexpr char kUserChangedNotifier[] = "ADM User Changed Notifier";
inline constexpr char kBoundsChangedNotifier[] = "ADM Bounds Changed Notifier";
// The items a modal dialog's default handling ends the run with.
inline constexpr int kOkItemId = 1;
inline constexpr int kCancelItemId = 2;
// The id templates give labels and lines that nobody addresses.
inline constexpr int kUnnamedItemId = -1;

struct DialogRequest {
  SPPluginRef plugin = nullptr;
  const char* name = nullptr;
  std::int32_t resourceId = 0;
  std::int32_t style = 0;
  ADMDialogInitProc init = nullptr;
  ADMUserData userData = nullptr;
  std::int32_t options = 0;
  bool modal = false;
};

// A list item's state as a modal run ended: the menu it was filled from and the chosen entry.
struct ClosingList {
  int menuId = 0;
  int activeIndex = -1;  // -1: none chosen
};

// One modal run as it happened.
struct ModalRun {
  std::string name;
  int resourceId = 0;
  std::int32_t style = 0;
  std::int32_t result = -1;
  int stepsRun = 0;
  bool cancelledForLackOfScript = false;
  // What the user saw: the items the host painted as the dialog opened and after each step, in
  // order, and the text of every item with an id of its own as the run ended.
  std::vector<std::pair<int, DrawerRecord>> paints;
  std::map<int, std::string> closingTexts;
  // The same items whole (values, limits, styles, callbacks), and those with a list, its state.
  std::map<int, ItemRecord> closingItems;
  std::map<int, ClosingList> closingLists;
};

class DialogSystem {
 public:
  explicit DialogSystem(Host& host);
  DialogSystem(const DialogSystem&) = delete;
  DialogSystem& operator=(const DialogSystem&) = delete;

  // Templates made by a test instead of the plug-in's compiled resources.
  void SetResources(std::shared_ptr<const DialogResourceSource> resources);
  // The templates in use (the plug-in's own unless a test set others); null when none can be had.
  const DialogResourceSource* Resources();

  // --- Lookups -------------------------------------------------------------------------------
  DialogRecord* Dialog(ADMDialogRef dialog, const SuiteCall& call);
  ItemRecord* Item(ADMItemRef item, const SuiteCall& call);
  ListRecord* List(ADMListRef list, const SuiteCall& call);
  EntryRecord* Entry(ADMEntryRef entry, const SuiteCall& call);
  IconRecord* Icon(ADMIconRef icon, const SuiteCall& call);
  AdmNotifierRecord* Notifier(ADMNotifierRef notifier, const SuiteCall& call);
  TrackerRecord* Tracker(ADMTrackerRef tracker, const SuiteCall& call);
  DrawerRecord* Drawer(ADMDrawerRef drawer, const SuiteCall& call);
  // Quiet lookups for the user side: null unless live.
  const DialogRecord* FindDialog(ADMDialogRef dialog) const { return dialogs_.Find(dialog); }
  ItemRecord* FindItem(ADMItemRef item) const { return items_.Find(item); }
  const EntryRecord* FindEntry(ADMEntryRef entry) const { return entries_.Find(entry); }
  const IconRecord* FindIcon(ADMIconRef icon) const { return icons_.Find(icon); }
  std::vector<ADMDialogRef> LiveDialogs() const { return dialogs_.LiveHandles(); }

  // --- Dialogs -------------------------------------------------------------------------------
  // A non-modal dialog, or null when it cannot be built or its init callback fails.
  ADMDialogRef Create(const DialogRequest& request, const SuiteCall& call);
  // Builds, initialises and runs a modal dialog by the next queued script; -1 when it cannot run.
  std::int32_t RunModal(DialogRequest request, const SuiteCall& call);
  // Runs the destroy callback, then destroys the dialog with its items, lists and icons.
  void Destroy(ADMDialogRef dialog, const SuiteCall& call);
  void EndModal(ADMDialogRef dialog, std::int32_t itemId, const SuiteCall& call);
  // Every dialog destroyed so far, as the host found it when it began destroying it: what the
  // plug-in had left installed then (its destroy callback ran next, if one was left).
  const std::vector<DialogRecord>& DestroyedDialogs() const { return destroyed_; }
  // The first item with `id`, or null.
  ADMItemRef ItemById(ADMDialogRef dialog, int id) const;
  ASRect LocalRect(const DialogRecord& dialog) const;

  // --- Items and lists -----------------------------------------------------------------------
  // Replaces the list's entries with those of menu resource `menuId`.
  void FillList(ADMListRef list, int menuId, const SuiteCall& call);
  // Selecting an entry of a list makes it the only chosen one.
  void SelectEntry(ADMEntryRef entry, bool select);
  ADMEntryRef ActiveEntry(const ListRecord& list) const;
  // Holds a numeric field's value within its bounds and shows it with the field's precision.
  void SetValue(ItemRecord& item, float value);
  void Invalidate(ItemRecord& item);

  // --- Events: the plug-in's callback, or the host's default handling without one ------------
  void NotifyItem(ADMItemRef item, const std::string& type);
  void NotifyDialog(ADMDialogRef dialog, const std::string& type);
  void DefaultItemNotify(ADMItemRef item, ADMNotifierRef notifier);
  void DefaultDialogNotify(ADMDialogRef dialog, ADMNotifierRef notifier);
  // Draws with a recording drawer and returns what was drawn.
  DrawerRecord DrawItem(ADMItemRef item);
  DrawerRecord DrawDialog(ADMDialogRef dialog);
  void DefaultDraw(ADMDrawerRef drawer);
  bool TrackItem(ADMItemRef item, std::int32_t action, ASPoint point);
  bool TrackDialog(ADMDialogRef dialog, std::int32_t action, ASPoint point);
  bool DefaultTrack(ADMTrackerRef tracker);

  // --- Icons ---------------------------------------------------------------------------------
  // Null when the plug-in has no such picture.
  ADMIconRef NewIcon(int resourceId, const char* name, int index);
  void DestroyIcon(ADMIconRef icon, const SuiteCall& call);
  void SetDialogIcon(ADMDialogRef dialog, std::int32_t state, ADMIconRef icon,
                     const SuiteCall& call);

  // --- Modal scripts -------------------------------------------------------------------------
  // Each modal run takes the next script; with none left it presses Cancel.
  void QueueModalScript(ModalScript script);
  const std::vector<ModalRun>& ModalRuns() const { return modalRuns_; }
  // Drops the scripts no modal run took, for a test whose dialog may rightly not have opened.
  void DropUnusedScripts() { scripts_.clear(); }
  // For the dialogs the host shows itself (those of its actions): the next script, none when
  // none is left, and the run once it has ended.
  std::optional<ModalScript> TakeModalScript();
  void RecordModalRun(ModalRun run);
  // A script that could not be carried out as written (an unknown item, steps left over, ...).
  void RecordScriptError(const std::string& what);
  const std::vector<std::string>& ScriptErrors() const { return scriptErrors_; }

  Host& OwningHost() { return host_; }

 private:
  template <typename H, typename T>
  T* Lookup(HandleTable<H, T>& table, H handle, const SuiteCall& call, const char* what);
  ADMDialogRef Build(const DialogRequest& request, const SuiteCall& call);
  void AddItem(ADMDialogRef dialog, DialogRecord& record, ItemRecord item);
  void ClearList(ListRecord& list);
  void Dispose(ADMDialogRef dialog);
  void RunScript(ADMDialogRef dialog, ModalRun& run);
  std::vector<std::string> Leftovers() const;

  Host& host_;
  std::shared_ptr<const DialogResourceSource> resources_;
  bool resourcesUnreadable_ = false;
  HandleTable<ADMDialogRef, DialogRecord> dialogs_;
  HandleTable<ADMItemRef, ItemRecord> items_;
  HandleTable<ADMListRef, ListRecord> lists_;
  HandleTable<ADMEntryRef, EntryRecord> entries_;
  HandleTable<ADMIconRef, IconRecord> icons_;
  HandleTable<ADMNotifierRef, AdmNotifierRecord> notifiers_;
  HandleTable<ADMTrackerRef, TrackerRecord> trackers_;
  HandleTable<ADMDrawerRef, DrawerRecord> drawers_;
  std::deque<ModalScript> scripts_;
  std::vector<ModalRun> modalRuns_;
  std::vector<DialogRecord> destroyed_;
  std::vector<std::string> scriptErrors_;
};

}  // namespace standin

#endif  // KERFWORKS_STANDIN_MODEL_DIALOG_SYSTEM_H
