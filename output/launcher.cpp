#include "output/launcher.h"

#include <cstdint>
#include <cstring>

#include "output/command_line.h"
#include "platform/platform.h"
#include "wrappers/host_suites.h"
#include "wrappers/indexed_string.h"

char gApplicationPath[kPathCapacity] = "";

namespace {

constexpr char kApplicationKey[] = "Software\\Talvex\\Kerfworks\\Folder";
constexpr char kApplicationValue[] = "Path";
constexpr char kCutFilePrefix[] = "~KW";
constexpr int kMessageCapacity = 1024;

// The stored value as a terminated path. A value that fills the whole buffer without a terminator
// would be cut, and an empty one names no program: neither is a usable path.
bool TerminateValue(std::uint32_t length) {
  const char* end = static_cast<const char*>(std::memchr(gApplicationPath, '\0', length));
  if (end == nullptr) {
    if (length >= kPathCapacity) return false;
    gApplicationPath[length] = '\0';
  }
  return gApplicationPath[0] != '\0';
}

// One root's attempt: true when the value was read and the key closed.
bool ReadApplicationPath(platform::RegistryRoot root) {
  platform::RegistryKey key = nullptr;
  if (!platform::OpenRegistryKey(root, kApplicationKey, &key)) return false;
  std::uint32_t length = kPathCapacity;
  if (platform::QueryRegistryValue(key, kApplicationValue, gApplicationPath, &length) &&
      TerminateValue(length)) {
    return platform::CloseRegistryKey(key);
  }
  platform::CloseRegistryKey(key);
  return false;
}

}  // namespace

void FindCuttingApplication() {
  if (ReadApplicationPath(platform::RegistryRoot::kCurrentUser)) return;
  if (ReadApplicationPath(platform::RegistryRoot::kLocalMachine)) return;
  std::memcpy(gApplicationPath, kFallbackApplicationPath, sizeof kFallbackApplicationPath);
}

void CreateCutFileName() {
  char folder[kPathCapacity] = "";
  gCutFilePath[0] = '\0';
  // Without the folder the name would land in whatever the current directory is.
  if (platform::GetTemporaryFolder(folder, sizeof folder) == 0) return;
  platform::CreateTemporaryFile(folder, kCutFilePrefix, gCutFilePath);
}

bool CuttingApplicationFound() {
  return std::strcmp(gApplicationPath, kFallbackApplicationPath) != 0;
}

void LaunchCuttingApplication(SPPluginRef plugin) {
  if (CuttingApplicationFound()) {
    const CommandLine line(gApplicationPath, gCutFilePath);
    // Started by its exact path: an unquoted path with spaces must not let the system guess at a
    // shorter program name.
    if (platform::StartProcess(gApplicationPath, line.Text(), line.Arguments())) return;
  }
  // A program that cannot be started is as good as missing, and the user is told the same.
  ShowLauncherMessage(plugin, kApplicationNotFoundMessage);
}

void ShowLauncherMessage(SPPluginRef plugin, int message) {
  char text[kMessageCapacity];
  // Terminated even when the host fills the buffer: the alert reads up to a terminator.
  ai::ReadIndexedString(plugin, message, 0, text, kMessageCapacity);
  sADMBasic->ErrorAlert(text);
}
