// Host callbacks of the palette's flyout menu and output-mode popup.
#ifndef KERFWORKS_PALETTE_PALETTE_HANDLERS_H
#define KERFWORKS_PALETTE_PALETTE_HANDLERS_H

#include "hostapi/suites.h"

// The flyout menu: crop-marks dialog (then the preview is redrawn), help, about; by position.
void KW_API FlyoutNotifyProc(ADMItemRef item, ADMNotifierRef notifier);
// The output-mode popup: sets the mode of the chosen entry and redraws the preview.
void KW_API OutputModeNotifyProc(ADMItemRef item, ADMNotifierRef notifier);
// The host's own tracking of an item.
ASBoolean KW_API DefaultItemTrackProc(ADMItemRef item, ADMTrackerRef tracker);

// True when the notification is the user's own change of the item.
bool IsUserChange(ADMNotifierRef notifier);
// The position of the list's chosen entry, or -1 when none is chosen.
int32_t ChosenEntryIndex(ADMItemRef item);
// The plug-in that made `dialog`; null when there is no dialog or the host cannot tell.
SPPluginRef DialogPlugin(ADMDialogRef dialog);
// Asks the host to repaint item `itemId` of `dialog`, if there is one.
void InvalidateItem(ADMDialogRef dialog, int32_t itemId);

#endif  // KERFWORKS_PALETTE_PALETTE_HANDLERS_H
