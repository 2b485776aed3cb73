#include "windows/windows_helpers.h"

#include <windows.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <sstream>

namespace wintest {
namespace {

std::string HiveName(Hive hive) {
  return hive == Hive::kCurrentUser ? "HKCU" : "HKLM";
}

}  // namespace

int RunAndWait(const std::string& commandLine) {
  std::string writable = commandLine;
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION started{};
  if (!CreateProcessA(nullptr, writable.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &started)) {
    return -1;
  }
  WaitForSingleObject(started.hProcess, INFINITE);
  DWORD code = 0;
  GetExitCodeProcess(started.hProcess, &code);
  CloseHandle(started.hThread);
  CloseHandle(started.hProcess);
  return static_cast<int>(code);
}

bool SetApplicationPath(Hive hive, const std::string& path) {
  return RunAndWait("reg add \"" + HiveName(hive) + "\\" + kFolderKey + "\" /v " + kPathValue +
                    " /d \"" + path + "\" /f") == 0;
}

bool RemoveApplicationKey(Hive hive) {
  const std::string key = HiveName(hive) + "\\" + kFolderKey;
  if (RunAndWait("reg query \"" + key + "\"") != 0) return true;
  return RunAndWait("reg delete \"" + key + "\" /f") == 0;
}

std::optional<std::string> ReadWholeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::optional<std::string> WaitForFile(const std::string& path, int seconds) {
  for (int tick = 0; tick < seconds * 20; ++tick) {
    // Under Wine a file that has just been renamed into place can show before it opens.
    if (auto content = ReadWholeFile(path)) return content;
    Sleep(50);
  }
  return std::nullopt;
}

std::string WindowsPath(const std::string& unixPath) {
  if (unixPath.empty() || unixPath[0] != '/') return unixPath;
  std::string path = "Z:" + unixPath;
  std::replace(path.begin(), path.end(), '/', '\\');
  return path;
}

std::string TemporaryPath(const std::string& name) {
  char folder[MAX_PATH + 1] = {};
  GetTempPathA(sizeof folder, folder);
  return std::string(folder) + name;
}

}  // namespace wintest
