// Environment variables the stand-in sets for the plug-in's test seams. On Windows they go into
// the process environment block, which is what the plug-in reads and what started programs
// inherit.
#ifndef KERFWORKS_STANDIN_CORE_ENVIRONMENT_H
#define KERFWORKS_STANDIN_CORE_ENVIRONMENT_H

#include <string>

namespace standin {

// Sets `name` to `value`; returns false when the system refuses.
bool SetEnvironment(const std::string& name, const std::string& value);
// Removes `name`; removing an unset variable succeeds.
bool ClearEnvironment(const std::string& name);

}  // namespace standin

#endif  // KERFWORKS_STANDIN_CORE_ENVIRONMENT_H
