// One kwhost run: a whole host session of the plug-in on one drawing.
#ifndef KERFWORKS_TOOLS_KWHOST_SESSION_H
#define KERFWORKS_TOOLS_KWHOST_SESSION_H

#include <ostream>

#include "tools/kwhost/options.h"

namespace kwhost {

// Exit status: 0 done, 1 the plug-in showed an error alert (or could not start), 2 a usage or
// input error (nothing run).
inline constexpr int kExitDone = 0;
inline constexpr int kExitPluginError = 1;
inline constexpr int kExitInputError = 2;
inline constexpr int kExitLeftovers = 3;

int RunSession(const Options& options, std::ostream& out, std::ostream& err);

}  // namespace kwhost

#endif  // KERFWORKS_TOOLS_KWHOST_SESSION_H
