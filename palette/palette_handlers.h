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

#endif  // KERFWORKS_PALETTE_PALETTE_HANDLERS_H
