#include "palette/help_about.h"

#include <cstring>

#include "platform/platform.h"
#include "wrappers/host_suites.h"
#include "wrappers/indexed_string.h"

namespace {

constexpr int32_t kHelpFileString = 16232;
constexpr std::uint32_t kPathCapacity = 520;
constexpr int32_t kHelpNameCapacity = 260;
constexpr int32_t kAboutDialogId = 16080;
constexpr char kAboutDialogName[] = "kerfworks-About";

// Windows paths separate with backslashes; the POSIX stand-in's module path has slashes, which no
// Windows file name can contain.
std::size_t FileNameStart(const char* path) {
  const char* separator = std::strrchr(path, '\\');
  if (const char* slash = std::strrchr(path, '/');
      slash != nullptr && (separator == nullptr || slash > separator)) {
    separator = slash;
  }
  return separator == nullptr ? 0 : static_cast<std::size_t>(separator - path) + 1;
}

}  // namespace

ASErr OpenHelp(SPPluginRef pluginRef) {
  SPAccessRef access = nullptr;
  if (ASErr error = sSPAccess->GetPluginAccess(pluginRef, &access); error != kNoErr) return error;
  void* instance = nullptr;
  if (ASErr error = sSPAccess->GetAccessInstanceHandle(access, &instance); error != kNoErr) {
    return error;
  }
  char path[kPathCapacity] = {};
  const std::uint32_t length = platform::GetModulePath(instance, path, kPathCapacity);
  // A cut path names some other file.
  if (length == 0 || length >= kPathCapacity) return kNoErr;

  const std::size_t nameStart = FileNameStart(path);
  char helpName[kHelpNameCapacity];
  ai::ReadIndexedString(pluginRef, kHelpFileString, 0, helpName, kHelpNameCapacity);
  const std::size_t nameLength = std::strlen(helpName);
  // Writing past the buffer is what a long folder name would otherwise do.
  if (nameStart + nameLength + 1 > kPathCapacity) return kNoErr;
  std::memcpy(path + nameStart, helpName, nameLength + 1);
  platform::ShellOpen(path);
  return kNoErr;
}

void ShowAbout(SPPluginRef pluginRef) {
  sADMDialog->Modal(pluginRef, kAboutDialogName, kAboutDialogId, kADMModalDialogStyle, nullptr,
                    nullptr, 0);
}
