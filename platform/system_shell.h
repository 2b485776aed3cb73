// The one step of opening a document that differs between the two implementations: asking the
// system's own shell, with no test seam in the way.
#ifndef KERFWORKS_PLATFORM_SYSTEM_SHELL_H
#define KERFWORKS_PLATFORM_SYSTEM_SHELL_H

namespace platform {

// True when the system accepted `path` for opening.
bool OpenWithSystemShell(const char* path);

}  // namespace platform

#endif  // KERFWORKS_PLATFORM_SYSTEM_SHELL_H
