#include "standin/model/dialog_system.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <set>

#include "standin/core/host.h"
#include "standin/model/dialog_units.h"
#include "standin/model/dialog_user.h"

namespace standin {

DialogSystem::DialogSystem(Host& host) : host_(host) {
  host_.AddLeftoverSource([this](std::vector<std::string>& out) {
    for (const std::string& entry : Leftovers()) out.push_back(entry);
  });
}

void DialogSystem::SetResources(std::shared_ptr<const DialogResourceSource> resources) {
  resources_ = std::move(resources);
}

// Without templates from a test, the plug-in's own; when they cannot be read the host says so
// once and goes on without resources.
const DialogResourceSource* DialogSystem::Resources() {
  if (!resources_ && !resourcesUnreadable_) {
    try {
      host_.PluginResources();
      resources_ = std::make_shared<PluginDialogResources>(host_);
    } catch (const std::exception& error) {
      resourcesUnreadable_ = true;
      host_.RecordMisbehaviour("stand-in host",
                               std::string("cannot read the plug-in's resources: ") + error.what());
    }
  }
  return resources_.get();
}

template <typename H, typename T>
T* DialogSystem::Lookup(HandleTable<H, T>& table, H handle, const SuiteCall& call,
                        const char* what) {
  switch (table.State(handle)) {
    case HandleState::kLive:
      return table.Find(handle);
    case HandleState::kDisposed:
      host_.RecordMisbehaviour(call, std::string("used a ") + what + " after it was destroyed");
      return nullptr;
    case HandleState::kUnknown:
      host_.RecordMisbehaviour(
          call, std::string(handle == nullptr ? "passed a null " : "passed an unknown ") + what);
      return nullptr;
  }
  return nullptr;
}

DialogRecord* DialogSystem::Dialog(ADMDialogRef dialog, const SuiteCall& call) {
  return Lookup(dialogs_, dialog, call, "dialog");
}
ItemRecord* DialogSystem::Item(ADMItemRef item, const SuiteCall& call) {
  return Lookup(items_, item, call, "item");
}
ListRecord* DialogSystem::List(ADMListRef list, const SuiteCall& call) {
  return Lookup(lists_, list, call, "list");
}
EntryRecord* DialogSystem::Entry(ADMEntryRef entry, const SuiteCall& call) {
  return Lookup(entries_, entry, call, "list entry");
}
IconRecord* DialogSystem::Icon(ADMIconRef icon, const SuiteCall& call) {
  return Lookup(icons_, icon, call, "icon");
}
AdmNotifierRecord* DialogSystem::Notifier(ADMNotifierRef notifier, const SuiteCall& call) {
  return Lookup(notifiers_, notifier, call, "notifier");
}
TrackerRecord* DialogSystem::Tracker(ADMTrackerRef tracker, const SuiteCall& call) {
  return Lookup(trackers_, tracker, call, "tracker");
}
DrawerRecord* DialogSystem::Drawer(ADMDrawerRef drawer, const SuiteCall& call) {
  return Lookup(drawers_, drawer, call, "drawer");
}

// --- Dialogs ---------------------------------------------------------------------------------

ADMDialogRef DialogSystem::Build(const DialogRequest& request, const SuiteCall& call) {
  if (request.plugin != host_.PluginRef()) {
    host_.RecordMisbehaviour(call, "passed an unknown plug-in reference");
    return nullptr;
  }
  if (request.name == nullptr) {
    host_.RecordMisbehaviour(call, "passed a null dialog name");
    return nullptr;
  }
  const DialogResourceSource* resources = Resources();
  std::optional<DialogTemplate> found =
      resources == nullptr ? std::nullopt : resources->Dialog(request.resourceId);
  if (!found) {
    host_.RecordMisbehaviour(call, "no dialog resource " + std::to_string(request.resourceId));
    return nullptr;
  }
  const DialogUnits units(BaseUnitsOf(found->fontName, found->fontSize));
  auto record = std::make_unique<DialogRecord>();
  record->plugin = request.plugin;
  record->name = request.name;
  record->resourceId = request.resourceId;
  record->style = request.style;
  record->options = request.options;
  record->modal = request.modal;
  record->caption = found->caption;
  record->userData = request.userData;
  record->bounds = units.Rect(found->x, found->y, found->width, found->height);
  DialogRecord& dialog = *record;
  const ADMDialogRef ref = dialogs_.Add(std::move(record));
  if (!request.modal) {
    ItemRecord flyout;
    flyout.id = kADMMenuItemID;
    flyout.kind = ItemKind::kFlyoutMenu;
    AddItem(ref, dialog, std::move(flyout));
  }
  for (const DialogItemTemplate& item : found->items) {
    ItemRecord built;
    built.id = item.id;
    built.windowClass = item.windowClass;
    built.windowStyle = item.style;
    built.kind = ItemKindOf(item.windowClass, item.style);
    built.bounds = units.Rect(item.x, item.y, item.width, item.height);
    built.text = item.text;
    AddItem(ref, dialog, std::move(built));
  }
  return ref;
}

void DialogSystem::AddItem(ADMDialogRef dialog, DialogRecord& record, ItemRecord item) {
  item.dialog = dialog;
  const bool hasList = item.kind == ItemKind::kPopupList || item.kind == ItemKind::kListBox ||
                       item.kind == ItemKind::kFlyoutMenu;
  auto owned = std::make_unique<ItemRecord>(std::move(item));
  ItemRecord& stored = *owned;
  const ADMItemRef ref = items_.Add(std::move(owned));
  if (hasList) {
    auto list = std::make_unique<ListRecord>();
    list->item = ref;
    stored.list = lists_.Add(std::move(list));
  }
  record.items.push_back(ref);
}

ADMDialogRef DialogSystem::Create(const DialogRequest& request, const SuiteCall& call) {
  const ADMDialogRef ref = Build(request, call);
  if (ref == nullptr || request.init == nullptr) return ref;
  ASErr result = kNoErr;
  host_.AsHostCall([&] { result = request.init(ref); });
  if (result != kNoErr) {
    Destroy(ref, call);
    return nullptr;
  }
  return ref;
}

std::int32_t DialogSystem::RunModal(DialogRequest request, const SuiteCall& call) {
  request.modal = true;
  const ADMDialogRef ref = Create(request, call);
  if (ref == nullptr) return -1;
  ModalRun run;
  run.name = request.name;
  run.resourceId = request.resourceId;
  run.style = request.style;
  RunScript(ref, run);
  DialogRecord* dialog = dialogs_.Find(ref);
  if (dialog != nullptr && !dialog->modalResult) {
    RecordScriptError("modal dialog \"" + run.name + "\" did not close; the host ended it");
    dialog->modalResult = kCancelItemId;
  }
  if (dialog != nullptr) {
    run.result = *dialog->modalResult;
    for (ADMItemRef item : dialog->items) {
      const ItemRecord* record = items_.Find(item);
      if (record == nullptr || record->id == kUnnamedItemId) continue;
      run.closingTexts[record->id] = record->text;
      run.closingItems.emplace(record->id, *record);
      if (const ListRecord* list = lists_.Find(record->list)) {
        const EntryRecord* active = entries_.Find(ActiveEntry(*list));
        run.closingLists[record->id] = {list->menuId, active == nullptr ? -1 : active->index};
      }
    }
    Destroy(ref, call);
  }
  modalRuns_.push_back(run);
  return run.result;
}

void DialogSystem::RunScript(ADMDialogRef ref, ModalRun& run) {
  DialogUser user(host_);
  // A closed dialog is no longer painted.
  const auto paint = [&] {
    const DialogRecord* dialog = dialogs_.Find(ref);
    if (dialog == nullptr || dialog->modalResult) return;
    for (auto& painted : user.RedrawPending(ref)) run.paints.push_back(std::move(painted));
  };
  paint();
  if (scripts_.empty()) {
    run.cancelledForLackOfScript = true;
    user.Press(ref, kCancelItemId);
    return;
  }
  const ModalScript script = std::move(scripts_.front());
  scripts_.pop_front();
  if (script.dialogName && *script.dialogName != run.name) {
    RecordScriptError("a script for \"" + *script.dialogName + "\" was given to modal dialog \"" +
                      run.name + "\"");
  }
  for (const ScriptStep& step : script.steps) {
    const DialogRecord* dialog = dialogs_.Find(ref);
    if (dialog == nullptr || dialog->modalResult) {
      RecordScriptError("modal dialog \"" + run.name + "\" closed before \"" + step.Describe() +
                        "\"");
      return;
    }
    ++run.stepsRun;
    if (!user.Run(ref, step)) {
      RecordScriptError("\"" + step.Describe() + "\" in \"" + run.name + "\": " + user.LastError());
    }
    paint();
  }
  const DialogRecord* dialog = dialogs_.Find(ref);
  if (dialog != nullptr && !dialog->modalResult) {
    RecordScriptError("the script left modal dialog \"" + run.name + "\" open; pressed Cancel");
    user.Press(ref, kCancelItemId);
  }
}

void DialogSystem::Destroy(ADMDialogRef ref, const SuiteCall& call) {
  DialogRecord* dialog = Dialog(ref, call);
  if (dialog == nullptr) return;
  if (dialog->destroying) {
    host_.RecordMisbehaviour(
        call, "destroyed dialog \"" + dialog->name + "\" while it was already being destroyed");
    return;
  }
  dialog->destroying = true;
  destroyed_.push_back(*dialog);
  if (ADMDialogDestroyProc proc = dialog->destroyProc) {
    host_.AsHostCall([&] { proc(ref); });
  }
  Dispose(ref);
}

void DialogSystem::Dispose(ADMDialogRef ref) {
  DialogRecord* dialog = dialogs_.Find(ref);
  for (ADMItemRef item : dialog->items) {
    ItemRecord* record = items_.Find(item);
    if (record->list != nullptr) {
      ClearList(*lists_.Find(record->list));
      lists_.Dispose(record->list);
    }
    items_.Dispose(item);
  }
  std::set<ADMIconRef> icons;
  for (const auto& [state, icon] : dialog->icons) icons.insert(icon);
  for (ADMIconRef icon : icons) icons_.Dispose(icon);
  dialogs_.Dispose(ref);
}

void DialogSystem::EndModal(ADMDialogRef ref, std::int32_t itemId, const SuiteCall& call) {
  DialogRecord* dialog = Dialog(ref, call);
  if (dialog == nullptr) return;
  if (!dialog->modal) {
    host_.RecordMisbehaviour(call,
                             "ended a modal run of non-modal dialog \"" + dialog->name + "\"");
    return;
  }
  if (!dialog->modalResult) dialog->modalResult = itemId;
}

ADMItemRef DialogSystem::ItemById(ADMDialogRef ref, int id) const {
  const DialogRecord* dialog = dialogs_.Find(ref);
  if (dialog == nullptr) return nullptr;
  for (ADMItemRef item : dialog->items) {
    if (items_.Find(item)->id == id) return item;
  }
  return nullptr;
}

ASRect DialogSystem::LocalRect(const DialogRecord& dialog) const {
  return {0, 0, dialog.bounds.right - dialog.bounds.left, dialog.bounds.bottom - dialog.bounds.top};
}

// --- Items and lists ---------------------------------------------------------------------------

void DialogSystem::ClearList(ListRecord& list) {
  for (ADMEntryRef entry : list.entries) entries_.Dispose(entry);
  list.entries.clear();
}

void DialogSystem::FillList(ADMListRef ref, int menuId, const SuiteCall& call) {
  ListRecord* list = List(ref, call);
  if (list == nullptr) return;
  const DialogResourceSource* resources = Resources();
  std::optional<MenuTemplate> menu = resources == nullptr ? std::nullopt : resources->Menu(menuId);
  if (!menu) {
    host_.RecordMisbehaviour(call, "no menu resource " + std::to_string(menuId));
    return;
  }
  ClearList(*list);
  list->menuId = menuId;
  for (const MenuEntry& source : menu->entries) {
    auto entry = std::make_unique<EntryRecord>();
    entry->list = ref;
    entry->index = static_cast<int>(list->entries.size());
    entry->id = source.id;
    entry->text = source.text;
    entry->separator = source.separator;
    list->entries.push_back(entries_.Add(std::move(entry)));
  }
}

void DialogSystem::SelectEntry(ADMEntryRef ref, bool select) {
  EntryRecord* entry = entries_.Find(ref);
  if (entry == nullptr) return;
  if (select) {
    for (ADMEntryRef other : lists_.Find(entry->list)->entries)
      entries_.Find(other)->selected = false;
  }
  entry->selected = select;
}

ADMEntryRef DialogSystem::ActiveEntry(const ListRecord& list) const {
  for (ADMEntryRef entry : list.entries) {
    if (entries_.Find(entry)->selected) return entry;
  }
  return nullptr;
}

void DialogSystem::SetValue(ItemRecord& item, float value) {
  if (item.maxValue && value > *item.maxValue) value = *item.maxValue;
  if (item.minValue && value < *item.minValue) value = *item.minValue;
  item.value = value;
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.*f", item.precision, static_cast<double>(value));
  item.text = buffer;
}

void DialogSystem::Invalidate(ItemRecord& item) {
  ++item.invalidations;
  item.needsRedraw = true;
}

// --- Modal scripts -------------------------------------------------------------------------------

void DialogSystem::QueueModalScript(ModalScript script) {
  scripts_.push_back(std::move(script));
}

std::optional<ModalScript> DialogSystem::TakeModalScript() {
  if (scripts_.empty()) return std::nullopt;
  ModalScript script = std::move(scripts_.front());
  scripts_.pop_front();
  return script;
}

void DialogSystem::RecordModalRun(ModalRun run) {
  modalRuns_.push_back(std::move(run));
}

void DialogSystem::RecordScriptError(const std::string& what) {
  scriptErrors_.push_back(what);
}

std::vector<std::string> DialogSystem::Leftovers() const {
  std::vector<std::string> out;
  for (ADMDialogRef ref : dialogs_.LiveHandles()) {
    const DialogRecord* dialog = dialogs_.Find(ref);
    out.push_back("dialog not destroyed: \"" + dialog->name + "\" (resource " +
                  std::to_string(dialog->resourceId) + ")");
  }
  for (ADMIconRef ref : icons_.LiveHandles()) {
    const IconRecord* icon = icons_.Find(ref);
    if (icon->owner == nullptr) {
      out.push_back("icon not destroyed: resource " + std::to_string(icon->resourceId));
    }
  }
  for (const ModalScript& script : scripts_) {
    out.push_back("modal script not used: " + script.Describe());
  }
  for (const std::string& error : scriptErrors_) out.push_back("modal script: " + error);
  return out;
}

}  // namespace standin
