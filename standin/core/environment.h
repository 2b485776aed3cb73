// Environment variables the stand-in sets for the plug-in's test seams. On Windows they go into
// the process environment block, which is what the plug-in reads and what started programs
// inherit.
#ifndef KERFWORKS_STANDIN_CORE_ENVIRONMENT_H
#define KERFWORKS_STANDIN_CORE_ENVIRONMENT_H

#include <optional>
#include <string>

namespace standin {

// Sets `name` to `value`; returns false when the system refuses.
bool SetEnvironment(const std::string& name, const std::string& value);
// Removes `name`; removing an unset variable succeeds.
bool ClearEnvironment(const std::string& name);
// The variable's value, or nothing when it is unset.
std::optional<std::string> ReadEnvironment(const std::string& name);

// Sets a variable (or, given nothing, removes it) for as long as the object lives, then puts the
// old value (or its absence) back.
class ScopedEnvironment {
 public:
  ScopedEnvironment(std::string name, const std::optional<std::string>& value);
  ~ScopedEnvironment();
  ScopedEnvironment(const ScopedEnvironment&) = delete;
  ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

 private:
  std::string name_;
  std::optional<std::string> old_;
};

}  // namespace standin

#endif  // KERFWORKS_STANDIN_CORE_ENVIRONMENT_H
