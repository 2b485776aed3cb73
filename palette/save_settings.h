// Writing the settings and the palette's placement to the preference store.
#ifndef KERFWORKS_PALETTE_SAVE_SETTINGS_H
#define KERFWORKS_PALETTE_SAVE_SETTINGS_H

#include "hostapi/suites.h"

// Stores the palette's dock group and code, location, size and visibility, then every setting.
// Without a bound dialog (or when the host cannot say the dock) those placement keys keep their
// stored values rather than being overwritten with nothing. Preference write errors are ignored.
void SaveSettings(ADMDialogRef palette);

#endif  // KERFWORKS_PALETTE_SAVE_SETTINGS_H
