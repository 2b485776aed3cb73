// The cut command: which art of the current document becomes paths of the cut file, in the host's
// list order, and the start of the cutting application on that file.
#ifndef KERFWORKS_COMMANDS_CUT_COMMAND_H
#define KERFWORKS_COMMANDS_CUT_COMMAND_H

#include "hostapi/host_types.h"

// Writes the art that passes the output filters to the cut file and starts the cutting
// application from `plugin`'s palette button. Ends silently when the art cannot be collected.
void RunCutCommand(SPPluginRef plugin);

#endif  // KERFWORKS_COMMANDS_CUT_COMMAND_H
