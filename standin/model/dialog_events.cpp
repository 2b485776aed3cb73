// The events the host sends the plug-in's callbacks, and the host's own handling behind them.
#include <set>

#include "standin/core/host.h"
#include "standin/model/dialog_system.h"

namespace standin {
namespace {

bool IsButton(ItemKind kind) {
  return kind == ItemKind::kPushButton || kind == ItemKind::kPicturePushButton;
}

}  // namespace

void DialogSystem::NotifyItem(ADMItemRef item, const std::string& type) {
  ItemRecord* record = items_.Find(item);
  if (record == nullptr) return;
  const ADMItemNotifyProc proc = record->notifyProc;
  const ADMNotifierRef notifier = notifiers_.Add(
      std::make_unique<AdmNotifierRecord>(AdmNotifierRecord{type, item, record->dialog}));
  host_.AsHostCall([&] {
    if (proc != nullptr) {
      proc(item, notifier);
    } else {
      DefaultItemNotify(item, notifier);
    }
  });
  notifiers_.Dispose(notifier);
}

void DialogSystem::NotifyDialog(ADMDialogRef dialog, const std::string& type) {
  DialogRecord* record = dialogs_.Find(dialog);
  if (record == nullptr) return;
  const ADMDialogNotifyProc proc = record->notifyProc;
  const ADMNotifierRef notifier =
      notifiers_.Add(std::make_unique<AdmNotifierRecord>(AdmNotifierRecord{type, nullptr, dialog}));
  host_.AsHostCall([&] {
    if (proc != nullptr) {
      proc(dialog, notifier);
    } else {
      DefaultDialogNotify(dialog, notifier);
    }
  });
  notifiers_.Dispose(notifier);
}

// A button's user change ends a modal run when it is OK or Cancel; every item's notification
// then goes on to its dialog.
void DialogSystem::DefaultItemNotify(ADMItemRef item, ADMNotifierRef notifier) {
  const ItemRecord* record = items_.Find(item);
  const AdmNotifierRecord* note = notifiers_.Find(notifier);
  if (record == nullptr || note == nullptr) return;
  const ADMDialogRef dialogRef = record->dialog;
  DialogRecord* dialog = dialogs_.Find(dialogRef);
  if (dialog == nullptr) return;
  if (dialog->modal && note->type == kUserChangedNotifier && IsButton(record->kind) &&
      (record->id == kOkItemId || record->id == kCancelItemId) && !dialog->modalResult) {
    dialog->modalResult = record->id;
  }
  if (ADMDialogNotifyProc proc = dialog->notifyProc) {
    proc(dialogRef, notifier);
  } else {
    DefaultDialogNotify(dialogRef, notifier);
  }
}

// The host itself does nothing more with a dialog's notification.
void DialogSystem::DefaultDialogNotify(ADMDialogRef, ADMNotifierRef) {}

DrawerRecord DialogSystem::DrawItem(ADMItemRef item) {
  ItemRecord* record = items_.Find(item);
  if (record == nullptr) return {};
  record->needsRedraw = false;
  const ADMItemDrawProc proc = record->drawProc;
  auto drawer = std::make_unique<DrawerRecord>();
  drawer->bounds = {0, 0, record->bounds.right - record->bounds.left,
                    record->bounds.bottom - record->bounds.top};
  const ADMDrawerRef ref = drawers_.Add(std::move(drawer));
  host_.AsHostCall([&] {
    if (proc != nullptr) {
      proc(item, ref);
    } else {
      DefaultDraw(ref);
    }
  });
  DrawerRecord result = *drawers_.Find(ref);
  drawers_.Dispose(ref);
  return result;
}

DrawerRecord DialogSystem::DrawDialog(ADMDialogRef dialog) {
  DialogRecord* record = dialogs_.Find(dialog);
  if (record == nullptr) return {};
  const ADMDialogDrawProc proc = record->drawProc;
  auto drawer = std::make_unique<DrawerRecord>();
  drawer->bounds = LocalRect(*record);
  const ADMDrawerRef ref = drawers_.Add(std::move(drawer));
  host_.AsHostCall([&] {
    if (proc != nullptr) {
      proc(dialog, ref);
    } else {
      DefaultDraw(ref);
    }
  });
  DrawerRecord result = *drawers_.Find(ref);
  drawers_.Dispose(ref);
  return result;
}

void DialogSystem::DefaultDraw(ADMDrawerRef drawer) {
  DrawerRecord* record = drawers_.Find(drawer);
  if (record == nullptr) return;
  record->ops.push_back({DrawOpKind::kDefault, record->color, record->bounds, {}, 0});
}

bool DialogSystem::TrackItem(ADMItemRef item, std::int32_t action, ASPoint point) {
  ItemRecord* record = items_.Find(item);
  if (record == nullptr) return false;
  const ADMItemTrackProc proc = record->trackProc;
  const ADMTrackerRef tracker =
      trackers_.Add(std::make_unique<TrackerRecord>(TrackerRecord{point, action, false}));
  bool handled = false;
  host_.AsHostCall(
      [&] { handled = proc != nullptr ? proc(item, tracker) != 0 : DefaultTrack(tracker); });
  trackers_.Dispose(tracker);
  return handled;
}

bool DialogSystem::TrackDialog(ADMDialogRef dialog, std::int32_t action, ASPoint point) {
  DialogRecord* record = dialogs_.Find(dialog);
  if (record == nullptr) return false;
  const ADMDialogTrackProc proc = record->trackProc;
  const ADMTrackerRef tracker =
      trackers_.Add(std::make_unique<TrackerRecord>(TrackerRecord{point, action, false}));
  bool handled = false;
  host_.AsHostCall(
      [&] { handled = proc != nullptr ? proc(dialog, tracker) != 0 : DefaultTrack(tracker); });
  trackers_.Dispose(tracker);
  return handled;
}

// The host goes on with the event unless tracking was aborted.
bool DialogSystem::DefaultTrack(ADMTrackerRef tracker) {
  const TrackerRecord* record = trackers_.Find(tracker);
  return record != nullptr && !record->aborted;
}

// --- Icons ---------------------------------------------------------------------------------------

ADMIconRef DialogSystem::NewIcon(int resourceId, const char* name, int index) {
  const DialogResourceSource* resources = Resources();
  std::optional<Picture> picture =
      resources == nullptr ? std::nullopt : resources->Image(resourceId);
  if (!picture) return nullptr;
  auto icon = std::make_unique<IconRecord>();
  icon->resourceId = resourceId;
  icon->name = name == nullptr ? "" : name;
  icon->index = index;
  icon->width = picture->width;
  icon->height = picture->height;
  return icons_.Add(std::move(icon));
}

void DialogSystem::DestroyIcon(ADMIconRef ref, const SuiteCall& call) {
  IconRecord* icon = Icon(ref, call);
  if (icon == nullptr) return;
  if (icon->owner != nullptr) {
    host_.RecordMisbehaviour(call, "destroyed an icon that a dialog owns");
    return;
  }
  icons_.Dispose(ref);
}

void DialogSystem::SetDialogIcon(ADMDialogRef dialogRef, std::int32_t state, ADMIconRef iconRef,
                                 const SuiteCall& call) {
  DialogRecord* dialog = Dialog(dialogRef, call);
  IconRecord* icon = Icon(iconRef, call);
  if (dialog == nullptr || icon == nullptr) return;
  if (icon->owner != nullptr && icon->owner != dialogRef) {
    host_.RecordMisbehaviour(call, "gave a dialog an icon that another dialog owns");
    return;
  }
  icon->owner = dialogRef;
  auto previous = dialog->icons.find(state);
  if (previous != dialog->icons.end() && previous->second != iconRef) {
    const ADMIconRef old = previous->second;
    previous->second = iconRef;
    bool stillUsed = false;
    for (const auto& [other, held] : dialog->icons) stillUsed = stillUsed || held == old;
    if (!stillUsed) icons_.Dispose(old);
    return;
  }
  dialog->icons[state] = iconRef;
}

}  // namespace standin
