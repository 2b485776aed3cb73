#include "standin/model/dialog_user.h"

#include <cstdio>

#include "standin/core/host.h"

namespace standin {

DialogUser::DialogUser(Host& host) : system_(host.Dialogs()) {}

ADMDialogRef DialogUser::FindDialog(const std::string& name) const {
  for (ADMDialogRef ref : system_.LiveDialogs()) {
    if (system_.FindDialog(ref)->name == name) return ref;
  }
  return nullptr;
}

const DialogRecord* DialogUser::Dialog(ADMDialogRef dialog) const {
  return system_.FindDialog(dialog);
}

const ItemRecord* DialogUser::Item(ADMDialogRef dialog, int id) const {
  return system_.FindItem(system_.ItemById(dialog, id));
}

std::vector<std::string> DialogUser::EntryTexts(const ItemRecord& item) const {
  std::vector<std::string> out;
  ListRecord* list =
      item.list == nullptr ? nullptr : system_.List(item.list, SuiteCall{"user", "list"});
  if (list == nullptr) return out;
  for (ADMEntryRef entry : list->entries) out.push_back(system_.FindEntry(entry)->text);
  return out;
}

std::optional<int> DialogUser::ActiveIndex(const ItemRecord& item) const {
  ListRecord* list =
      item.list == nullptr ? nullptr : system_.List(item.list, SuiteCall{"user", "list"});
  if (list == nullptr) return std::nullopt;
  const ADMEntryRef active = system_.ActiveEntry(*list);
  if (active == nullptr) return std::nullopt;
  return system_.FindEntry(active)->index;
}

bool DialogUser::Fail(std::string why) {
  error_ = std::move(why);
  return false;
}

ItemRecord* DialogUser::ActionItem(ADMDialogRef dialog, int itemId) {
  const DialogRecord* record = system_.FindDialog(dialog);
  if (record == nullptr) {
    Fail("the dialog does not exist");
    return nullptr;
  }
  if (!record->visible) {
    Fail("dialog \"" + record->name + "\" is hidden");
    return nullptr;
  }
  ItemRecord* item = system_.FindItem(system_.ItemById(dialog, itemId));
  if (item == nullptr) {
    Fail("dialog \"" + record->name + "\" has no item " + std::to_string(itemId));
  }
  return item;
}

bool DialogUser::Press(ADMDialogRef dialog, int itemId) {
  ItemRecord* item = ActionItem(dialog, itemId);
  if (item == nullptr) return false;
  system_.NotifyItem(system_.ItemById(dialog, itemId), kUserChangedNotifier);
  return true;
}

bool DialogUser::Pick(ADMDialogRef dialog, int itemId, int index) {
  ItemRecord* item = ActionItem(dialog, itemId);
  if (item == nullptr) return false;
  ListRecord* list =
      item->list == nullptr ? nullptr : system_.List(item->list, SuiteCall{"user", "list"});
  if (list == nullptr) return Fail("item " + std::to_string(itemId) + " has no list");
  if (index < 0 || index >= static_cast<int>(list->entries.size())) {
    return Fail("item " + std::to_string(itemId) + " has no entry " + std::to_string(index));
  }
  system_.SelectEntry(list->entries[static_cast<std::size_t>(index)], true);
  system_.NotifyItem(system_.ItemById(dialog, itemId), kUserChangedNotifier);
  return true;
}

bool DialogUser::PickFlyout(ADMDialogRef dialog, int index) {
  if (ActionItem(dialog, kADMMenuItemID) == nullptr) return false;
  if (!system_.TrackItem(system_.ItemById(dialog, kADMMenuItemID), 0, {0, 0})) {
    return Fail("the flyout menu's tracking stopped the choice");
  }
  return Pick(dialog, kADMMenuItemID, index);
}

bool DialogUser::SetValue(ADMDialogRef dialog, int itemId, float value) {
  ItemRecord* item = ActionItem(dialog, itemId);
  if (item == nullptr) return false;
  system_.SetValue(*item, value);
  system_.NotifyItem(system_.ItemById(dialog, itemId), kUserChangedNotifier);
  return true;
}

bool DialogUser::SetText(ADMDialogRef dialog, int itemId, const std::string& text) {
  ItemRecord* item = ActionItem(dialog, itemId);
  if (item == nullptr) return false;
  item->text = text;
  system_.NotifyItem(system_.ItemById(dialog, itemId), kUserChangedNotifier);
  return true;
}

bool DialogUser::Resize(ADMDialogRef dialog, int width, int height) {
  DialogRecord* record = system_.Dialog(dialog, SuiteCall{"user", "resize"});
  if (record == nullptr) return Fail("the dialog does not exist");
  const SizeConstraints& size = record->size;
  if (width < size.minWidth || height < size.minHeight || width > size.maxWidth ||
      height > size.maxHeight) {
    char why[160];
    std::snprintf(why, sizeof why, "%d x %d is outside %d..%d x %d..%d", width, height,
                  size.minWidth, size.maxWidth, size.minHeight, size.maxHeight);
    return Fail(why);
  }
  width =
      size.minWidth + (width - size.minWidth) / size.horizontalIncrement * size.horizontalIncrement;
  height =
      size.minHeight + (height - size.minHeight) / size.verticalIncrement * size.verticalIncrement;
  record->bounds.right = record->bounds.left + width;
  record->bounds.bottom = record->bounds.top + height;
  system_.NotifyDialog(dialog, kBoundsChangedNotifier);
  return true;
}

bool DialogUser::Close(ADMDialogRef dialog) {
  if (system_.FindDialog(dialog) == nullptr) return Fail("the dialog does not exist");
  system_.Destroy(dialog, SuiteCall{"user", "close"});
  return true;
}

bool DialogUser::SetVisible(ADMDialogRef dialog, bool visible) {
  DialogRecord* record = system_.Dialog(dialog, SuiteCall{"user", "show"});
  if (record == nullptr) return Fail("the dialog does not exist");
  record->visible = visible;
  return true;
}

std::optional<DrawerRecord> DialogUser::Redraw(ADMDialogRef dialog, int itemId) {
  const ADMItemRef item = system_.ItemById(dialog, itemId);
  if (item == nullptr) {
    Fail("no item " + std::to_string(itemId));
    return std::nullopt;
  }
  return system_.DrawItem(item);
}

std::vector<std::pair<int, DrawerRecord>> DialogUser::RedrawPending(ADMDialogRef dialog) {
  std::vector<std::pair<int, DrawerRecord>> out;
  const DialogRecord* record = system_.FindDialog(dialog);
  if (record == nullptr) return out;
  const std::vector<ADMItemRef> items = record->items;
  for (ADMItemRef item : items) {
    const ItemRecord* found = system_.FindItem(item);
    if (found != nullptr && found->needsRedraw) {
      const int id = found->id;
      out.emplace_back(id, system_.DrawItem(item));
    }
  }
  return out;
}

bool DialogUser::Run(ADMDialogRef dialog, const ScriptStep& step) {
  switch (step.kind) {
    case ScriptStep::Kind::kPress:
      return Press(dialog, step.item);
    case ScriptStep::Kind::kPick:
      return Pick(dialog, step.item, step.entry);
    case ScriptStep::Kind::kSetValue:
      return SetValue(dialog, step.item, step.value);
    case ScriptStep::Kind::kSetText:
      return SetText(dialog, step.item, step.text);
  }
  return Fail("unknown step");
}

}  // namespace standin
