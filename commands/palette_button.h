// The notification handler of the palette's picture buttons and its Redraw button.
#ifndef KERFWORKS_COMMANDS_PALETTE_BUTTON_H
#define KERFWORKS_COMMANDS_PALETTE_BUTTON_H

#include "hostapi/suites.h"

// Lets the item do its default handling, then, on a user change, runs the command of the item's
// id, all inside one application context. A Redraw press only asks for the preview to be redrawn.
void KW_API PaletteButtonNotifyProc(ADMItemRef item, ADMNotifierRef notifier);

#endif  // KERFWORKS_COMMANDS_PALETTE_BUTTON_H
