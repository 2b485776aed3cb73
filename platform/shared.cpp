// The parts of platform.h that are the same on every system: the test seam's part of opening a
// document, and the wall clock.
#include <ctime>

#include "platform/platform.h"
#include "platform/seam.h"
#include "platform/system_shell.h"

namespace platform {

bool ShellOpen(const char* path) {
  if (path == nullptr || seam::ShouldFail("shell")) return false;
  const auto log = seam::ShellLogPath();
  const bool opened = log ? seam::AppendToShellLog(*log, path) : OpenWithSystemShell(path);
  if (opened) seam::NoteActivity("shell", path);
  return opened;
}

std::int64_t WallClockSeconds() {
  if (const auto seconds = seam::ClockOverride()) return *seconds;
  return static_cast<std::int64_t>(std::time(nullptr));
}

}  // namespace platform
