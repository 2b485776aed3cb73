// The real Windows calls behind platform.h.
#include <windows.h>
// windows.h first: shellapi.h depends on it.
#include <shellapi.h>

#include <cstdint>
#include <new>
#include <string>

#include "platform/platform.h"
#include "platform/seam.h"
#include "platform/system_shell.h"

namespace platform {
namespace {

constexpr INT_PTR kShellExecuteFirstSuccess = 33;  // results up to 32 are error codes

HKEY RootKey(RegistryRoot root) {
  return root == RegistryRoot::kLocalMachine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
}

}  // namespace

bool OpenRegistryKey(RegistryRoot root, const char* subKey, RegistryKey* key) {
  if (key == nullptr) return false;
  *key = nullptr;
  if (seam::ShouldFail("regopen")) return false;
  HKEY opened = nullptr;
  if (RegOpenKeyExA(RootKey(root), subKey, 0, KEY_READ, &opened) != ERROR_SUCCESS) return false;
  *key = reinterpret_cast<RegistryKey>(opened);
  return true;
}

bool QueryRegistryValue(RegistryKey key, const char* name, char* buffer, std::uint32_t* size) {
  if (key == nullptr || size == nullptr || seam::ShouldFail("regquery")) return false;
  DWORD length = *size;
  const LONG result = RegQueryValueExA(reinterpret_cast<HKEY>(key), name, nullptr, nullptr,
                                       reinterpret_cast<BYTE*>(buffer), &length);
  if (result != ERROR_SUCCESS && result != ERROR_MORE_DATA) return false;
  *size = length;
  return result == ERROR_SUCCESS;
}

bool CloseRegistryKey(RegistryKey key) {
  if (key == nullptr) return false;
  // Released even when the seam reports a failure, so tests leak nothing.
  const bool closed = RegCloseKey(reinterpret_cast<HKEY>(key)) == ERROR_SUCCESS;
  return closed && !seam::ShouldFail("regclose");
}

std::uint32_t GetTemporaryFolder(char* buffer, std::uint32_t capacity) {
  if (buffer == nullptr || seam::ShouldFail("temppath")) return 0;
  // A result of at least the capacity is the size the folder would need.
  const DWORD length = GetTempPathA(capacity, buffer);
  if (length == 0 || length >= capacity) {
    if (capacity > 0) *buffer = '\0';
    return 0;
  }
  return length;
}

bool CreateTemporaryFile(const char* folder, const char* prefix, char* buffer) {
  if (buffer == nullptr) return false;
  *buffer = '\0';  // never leave a stale name for a caller that ignores the result
  if (folder == nullptr || seam::ShouldFail("tempfile")) return false;
  if (GetTempFileNameA(folder, prefix, 0, buffer) != 0) return true;
  *buffer = '\0';
  return false;
}

File CreateOutputFile(const char* path) {
  if (path == nullptr || seam::ShouldFail("create")) return nullptr;
  const HANDLE handle =
      CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return nullptr;
  seam::NoteActivity("file", path);
  return reinterpret_cast<File>(handle);
}

bool WriteToFile(File file, const void* data, std::size_t size) {
  if (file == nullptr || (data == nullptr && size > 0) || seam::ShouldFail("write")) return false;
  const char* next = static_cast<const char*>(data);
  while (size > 0) {
    const DWORD chunk = size > MAXDWORD ? MAXDWORD : static_cast<DWORD>(size);
    DWORD written = 0;
    if (!WriteFile(reinterpret_cast<HANDLE>(file), next, chunk, &written, nullptr) ||
        written == 0) {
      return false;
    }
    next += written;
    size -= written;
  }
  return true;
}

bool CloseFile(File file) {
  if (file == nullptr) return false;
  // Closed even when the seam reports a failure, so the file is not left locked.
  const bool closed = CloseHandle(reinterpret_cast<HANDLE>(file)) != 0;
  return closed && !seam::ShouldFail("close");
}

bool StartProcess(const char* program, const char* commandLine, const char* const* /*arguments*/) {
  if (program == nullptr || seam::ShouldFail("start")) return false;
  try {
    // CreateProcessA may write into the command line, so it gets a copy.
    std::string writableLine = commandLine == nullptr ? std::string() : std::string(commandLine);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION started{};
    if (!CreateProcessA(program, commandLine == nullptr ? nullptr : writableLine.data(), nullptr,
                        nullptr, FALSE, 0, nullptr, nullptr, &startup, &started)) {
      return false;
    }
    CloseHandle(started.hThread);
    CloseHandle(started.hProcess);
    seam::NoteActivity("start", commandLine);
    return true;
  } catch (const std::bad_alloc&) {
    return false;
  }
}

std::uint32_t GetShortPath(const char* path, char* buffer, std::uint32_t capacity) {
  if (path == nullptr || buffer == nullptr || capacity == 0 || seam::ShouldFail("shortpath")) {
    return 0;
  }
  // A result of at least the capacity is the size the short form would need.
  const DWORD length = GetShortPathNameA(path, buffer, capacity);
  if (length == 0 || length >= capacity) {
    *buffer = '\0';
    return 0;
  }
  return length;
}

bool OpenWithSystemShell(const char* path) {
  const HINSTANCE result = ShellExecuteA(nullptr, "open", path, nullptr, nullptr, SW_SHOWNORMAL);
  return reinterpret_cast<INT_PTR>(result) >= kShellExecuteFirstSuccess;
}

std::uint32_t GetModulePath(void* instance, char* buffer, std::uint32_t capacity) {
  if (buffer == nullptr || capacity == 0 || seam::ShouldFail("module")) return 0;
  const DWORD length = GetModuleFileNameA(static_cast<HMODULE>(instance), buffer, capacity);
  // Older systems leave a cut path unterminated.
  if (length >= capacity) buffer[capacity - 1] = '\0';
  return length;
}

}  // namespace platform
