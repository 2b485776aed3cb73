// The flyout's Help and About entries.
#ifndef KERFWORKS_PALETTE_HELP_ABOUT_H
#define KERFWORKS_PALETTE_HELP_ABOUT_H

#include "hostapi/suites.h"

// Opens the help file named by string 16232, which lies beside the plug-in file, with the shell.
// Returns the host's code when the plug-in file cannot be found; a path that would not fit the
// buffer opens nothing. The shell's own failure is not examined.
ASErr OpenHelp(SPPluginRef pluginRef);

// Runs the about dialog modally until its OK.
void ShowAbout(SPPluginRef pluginRef);

#endif  // KERFWORKS_PALETTE_HELP_ABOUT_H
