// Test seam shared by both implementations of platform.h. Every function reads the environment
// afresh, so a test (or the stand-in host) can change it between two calls in the same process.
// Only builds made for tests (KW_TEST_HOOKS) have the hooks: in the deliverable they answer "no
// failure, the real clock, no logs" without reading any variable.
#ifndef KERFWORKS_PLATFORM_SEAM_H
#define KERFWORKS_PLATFORM_SEAM_H

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace platform::seam {

// The variable's value, or nothing when it is unset or empty. On Windows this asks the process
// environment block, not the C runtime's copy, so that a host's SetEnvironmentVariableA is seen.
std::optional<std::string> ReadEnvironment(const char* name);

#ifdef KW_TEST_HOOKS

// True when KW_PLATFORM_FAIL names `operation` (comma-separated, blanks around names ignored).
bool ShouldFail(std::string_view operation);

// The value of KW_PLATFORM_CLOCK when it is set and a whole decimal number.
std::optional<std::int64_t> ClockOverride();

// The file named by KW_SHELL_LOG, if set.
std::optional<std::string> ShellLogPath();

// Appends `path` and a line feed to the shell log. Returns false when that could not be written.
bool AppendToShellLog(const std::string& logPath, const char* path);

// When KW_ACTIVITY_LOG names a file, appends "<kind> <text>" and a line feed to it: what the
// plug-in did to the system ("file" path created, "start" command line, "shell" path opened), for
// a host that reports it. Never changes the outcome of the operation.
void NoteActivity(const char* kind, const char* text);

#else

inline bool ShouldFail(std::string_view) {
  return false;
}
inline std::optional<std::int64_t> ClockOverride() {
  return std::nullopt;
}
inline std::optional<std::string> ShellLogPath() {
  return std::nullopt;
}
inline bool AppendToShellLog(const std::string&, const char*) {
  return false;
}
inline void NoteActivity(const char*, const char*) {}

#endif  // KW_TEST_HOOKS

}  // namespace platform::seam

#endif  // KERFWORKS_PLATFORM_SEAM_H
