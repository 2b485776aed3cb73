// What the Windows tests need around the code under test: the registry set through Wine's own
// `reg` program, files read back, and programs waited for.
#ifndef KERFWORKS_TESTS_WINDOWS_WINDOWS_HELPERS_H
#define KERFWORKS_TESTS_WINDOWS_WINDOWS_HELPERS_H

#include <optional>
#include <string>

namespace wintest {

inline constexpr const char kFolderKey[] = "Software\\Talvex\\Kerfworks\\Folder";
inline constexpr const char kPathValue[] = "Path";

enum class Hive { kCurrentUser, kLocalMachine };

// Runs `commandLine` (searched as Windows does) and waits; returns its exit code, or -1 when it
// could not be started.
int RunAndWait(const std::string& commandLine);

// Writes the "Path" value of the cutting application's key, or removes the whole key, with `reg`.
// Return false when `reg` reports a failure (removing a missing key succeeds).
bool SetApplicationPath(Hive hive, const std::string& path);
bool RemoveApplicationKey(Hive hive);

std::optional<std::string> ReadWholeFile(const std::string& path);
// Polls until the file can be read or `seconds` passed; returns its content.
std::optional<std::string> WaitForFile(const std::string& path, int seconds);
// A build-machine path as Windows programs under Wine name it (drive Z: is the root).
std::string WindowsPath(const std::string& unixPath);
// A path in the system's temporary folder.
std::string TemporaryPath(const std::string& name);

}  // namespace wintest

#endif  // KERFWORKS_TESTS_WINDOWS_WINDOWS_HELPERS_H
