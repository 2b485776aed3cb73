#include "wrappers/dialog_helpers.h"

#include "hostapi/messages.h"
#include "wrappers/host_suites.h"

bool IsUserChange(ADMNotifierRef notifier) {
  return sADMNotifier->IsNotifierType(notifier, hostapi::kADMUserChangedNotifier) != 0;
}

int32_t ChosenEntryIndex(ADMItemRef item) {
  const ADMListRef list = sADMItem->GetList(item);
  if (list == nullptr) return -1;
  const ADMEntryRef entry = sADMList->GetActiveEntry(list);
  return entry == nullptr ? -1 : sADMEntry->GetIndex(entry);
}

SPPluginRef DialogPlugin(ADMDialogRef dialog) {
  return dialog == nullptr ? nullptr : sADMDialog->GetPluginRef(dialog);
}

void InvalidateItem(ADMDialogRef dialog, int32_t itemId) {
  if (dialog == nullptr) return;
  if (ADMItemRef item = sADMDialog->GetItem(dialog, itemId); item != nullptr) {
    sADMItem->Invalidate(item);
  }
}
