// Small questions and requests about host dialog items, shared by every dialog of the plug-in.
#ifndef KERFWORKS_WRAPPERS_DIALOG_HELPERS_H
#define KERFWORKS_WRAPPERS_DIALOG_HELPERS_H

#include "hostapi/suites.h"

// True when the notification is the user's own change of the item.
bool IsUserChange(ADMNotifierRef notifier);
// The position of the list's chosen entry, or -1 when none is chosen.
int32_t ChosenEntryIndex(ADMItemRef item);
// The plug-in that made `dialog`; null when there is no dialog or the host cannot tell.
SPPluginRef DialogPlugin(ADMDialogRef dialog);
// Asks the host to repaint item `itemId` of `dialog`, if there is one.
void InvalidateItem(ADMDialogRef dialog, int32_t itemId);

#endif  // KERFWORKS_WRAPPERS_DIALOG_HELPERS_H
