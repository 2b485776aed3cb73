// The POSIX stand-ins of the Windows calls (see README.md).
#include <dlfcn.h>
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/platform.h"
#include "platform/seam.h"
#include "platform/system_shell.h"

extern char** environ;

namespace platform {

struct RegistryKeyTag {
  std::string content;  // the key file as it was when the key was opened
};

namespace {

constexpr std::size_t kMaxPath = 260;
constexpr const char kRegistryFileExtension[] = ".reg";
constexpr const char kMachineRegistryDefault[] = "/etc/xdg/kerfworks/registry";
constexpr const char kRegistryFolderBelowConfig[] = "/kerfworks/registry";
constexpr const char kTempFileExtension[] = ".TMP";
constexpr std::size_t kTempPrefixLength = 3;
constexpr unsigned kTempNumberCount = 0xFFFF;
constexpr const char kShellOpenProgram[] = "xdg-open";

// --- registry ---

std::optional<std::string> RegistryFolder(RegistryRoot root) {
  if (root == RegistryRoot::kLocalMachine) {
    return seam::ReadEnvironment("KW_REGISTRY_MACHINE").value_or(kMachineRegistryDefault);
  }
  if (auto folder = seam::ReadEnvironment("KW_REGISTRY_USER")) return folder;
  if (auto config = seam::ReadEnvironment("XDG_CONFIG_HOME")) {
    return *config + kRegistryFolderBelowConfig;
  }
  if (auto home = seam::ReadEnvironment("HOME")) {
    return *home + "/.config" + kRegistryFolderBelowConfig;
  }
  return std::nullopt;
}

// "A\B\C" under the root folder becomes "<folder>/A/B/C". Parts that would leave the folder or
// name it ambiguously are refused.
std::optional<std::string> KeyPath(RegistryRoot root, const char* subKey) {
  auto path = RegistryFolder(root);
  if (!path || subKey == nullptr || *subKey == '\0') return std::nullopt;
  std::string_view rest = subKey;
  while (true) {
    const auto separator = rest.find('\\');
    const std::string_view part = rest.substr(0, separator);
    if (part.empty() || part == "." || part == ".." || part.find('/') != std::string_view::npos) {
      return std::nullopt;
    }
    *path += '/';
    *path += part;
    if (separator == std::string_view::npos) return path;
    rest.remove_prefix(separator + 1);
  }
}

enum class KeyFile { kRead, kMissing, kUnreadable };

KeyFile ReadKeyFile(const std::string& path, std::string* content) {
  const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return errno == ENOENT ? KeyFile::kMissing : KeyFile::kUnreadable;
  char chunk[4096];
  ssize_t got = 0;
  while ((got = read(fd, chunk, sizeof chunk)) != 0) {
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) break;
    content->append(chunk, static_cast<std::size_t>(got));
  }
  close(fd);
  return got == 0 ? KeyFile::kRead : KeyFile::kUnreadable;
}

bool IsFolder(const std::string& path) {
  struct stat info {};
  return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    const auto lowerA = static_cast<unsigned char>(a[i]) | (a[i] >= 'A' && a[i] <= 'Z' ? 0x20 : 0);
    const auto lowerB = static_cast<unsigned char>(b[i]) | (b[i] >= 'A' && b[i] <= 'Z' ? 0x20 : 0);
    if (lowerA != lowerB) return false;
  }
  return true;
}

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

// The first line "name=value" whose name matches; blanks around the name and the value, and a CR
// before the line feed, are not part of either (files are written by hand, too).
std::optional<std::string_view> FindValue(std::string_view content, std::string_view name) {
  while (!content.empty()) {
    const auto end = content.find('\n');
    std::string_view line = content.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    const auto equals = line.find('=');
    if (equals != std::string_view::npos &&
        EqualIgnoringCase(TrimBlanks(line.substr(0, equals)), name)) {
      return TrimBlanks(line.substr(equals + 1));
    }
    if (end == std::string_view::npos) break;
    content.remove_prefix(end + 1);
  }
  return std::nullopt;
}

// --- files ---

File FileFromDescriptor(int fd) {
  return reinterpret_cast<File>(static_cast<std::uintptr_t>(fd) + 1);
}

int DescriptorFromFile(File file) {
  return static_cast<int>(reinterpret_cast<std::uintptr_t>(file) - 1);
}

bool WriteAll(int fd, const void* data, std::size_t size) {
  const char* next = static_cast<const char*>(data);
  while (size > 0) {
    const ssize_t written = write(fd, next, size);
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    next += written;
    size -= static_cast<std::size_t>(written);
  }
  return true;
}

unsigned FirstTempNumber() {
  const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
  return static_cast<unsigned>(ticks ^ getpid());
}

// --- processes ---

// Starts argv[0] from an intermediate child that exits at once, so the started program is never
// our child and leaves no zombie. The spawn's result travels through a pipe rather than the exit
// status, which a host that ignores or reaps SIGCHLD itself would swallow.
bool SpawnDetached(char* const argv[], bool searchPath) {
  int result[2];
  if (pipe2(result, O_CLOEXEC) != 0) return false;

  // Prepared before the fork, so that the intermediate child allocates nothing.
  posix_spawnattr_t attributes;
  posix_spawnattr_init(&attributes);
  sigset_t signals;
  sigemptyset(&signals);
  posix_spawnattr_setsigmask(&attributes, &signals);
  sigfillset(&signals);
  posix_spawnattr_setsigdefault(&attributes, &signals);
  posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);

  const pid_t child = fork();
  if (child == 0) {
    close(result[0]);
    pid_t started = 0;
    const int error = searchPath
                          ? posix_spawnp(&started, argv[0], nullptr, &attributes, argv, environ)
                          : posix_spawn(&started, argv[0], nullptr, &attributes, argv, environ);
    const char outcome = error == 0 ? 1 : 0;
    _exit(write(result[1], &outcome, 1) == 1 ? 0 : 1);
  }
  posix_spawnattr_destroy(&attributes);
  close(result[1]);

  char outcome = 0;
  if (child > 0) {
    while (read(result[0], &outcome, 1) < 0 && errno == EINTR) {
    }
    // ECHILD when the host lets the system reap its children; nothing is left to wait for then.
    while (waitpid(child, nullptr, 0) < 0 && errno == EINTR) {
    }
  }
  close(result[0]);
  return outcome == 1;
}

}  // namespace

bool OpenRegistryKey(RegistryRoot root, const char* subKey, RegistryKey* key) {
  if (key == nullptr) return false;
  *key = nullptr;
  if (seam::ShouldFail("regopen")) return false;
  try {
    const auto path = KeyPath(root, subKey);
    if (!path) return false;
    std::string content;
    const KeyFile file = ReadKeyFile(*path + kRegistryFileExtension, &content);
    // A key that only holds further keys has a folder but no file of its own.
    if (file == KeyFile::kUnreadable || (file == KeyFile::kMissing && !IsFolder(*path))) {
      return false;
    }
    auto* opened = new RegistryKeyTag{std::move(content)};
    *key = opened;
    return true;
  } catch (const std::bad_alloc&) {
    return false;
  }
}

bool QueryRegistryValue(RegistryKey key, const char* name, char* buffer, std::uint32_t* size) {
  if (key == nullptr || size == nullptr || seam::ShouldFail("regquery")) return false;
  const auto value = FindValue(key->content, name == nullptr ? "" : name);
  if (!value) return false;
  const bool fits = value->size() <= *size;
  *size = static_cast<std::uint32_t>(value->size());
  if (buffer == nullptr) return true;  // a size query, as on Windows
  if (!fits) return false;
  std::memcpy(buffer, value->data(), value->size());
  return true;
}

bool CloseRegistryKey(RegistryKey key) {
  if (key == nullptr) return false;
  delete key;  // released even when the seam reports a failure, so tests leak nothing
  return !seam::ShouldFail("regclose");
}

std::uint32_t GetTemporaryFolder(char* buffer, std::uint32_t capacity) {
  if (buffer == nullptr || seam::ShouldFail("temppath")) return 0;
  std::string folder = seam::ReadEnvironment("TMPDIR").value_or("/tmp");
  if (folder.back() != '/') folder += '/';
  if (folder.size() >= capacity) {
    if (capacity > 0) *buffer = '\0';
    return 0;
  }
  std::memcpy(buffer, folder.c_str(), folder.size() + 1);
  return static_cast<std::uint32_t>(folder.size());
}

bool CreateTemporaryFile(const char* folder, const char* prefix, char* buffer) {
  if (buffer == nullptr) return false;
  *buffer = '\0';  // never leave a stale name for a caller that ignores the result
  if (folder == nullptr || seam::ShouldFail("tempfile")) return false;
  std::string stem = folder;
  if (!stem.empty() && stem.back() != '/') stem += '/';
  stem.append(prefix == nullptr ? "" : prefix,
              prefix == nullptr ? 0 : strnlen(prefix, kTempPrefixLength));

  const unsigned first = FirstTempNumber() % kTempNumberCount;
  for (unsigned attempt = 0; attempt < kTempNumberCount; ++attempt) {
    const unsigned hex = (first + attempt) % kTempNumberCount + 1;  // 1 .. FFFF, as on Windows
    char digits[8];
    std::snprintf(digits, sizeof digits, "%X", hex);
    const std::string path = stem + digits + kTempFileExtension;
    if (path.size() >= kMaxPath) return false;
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd >= 0) {
      if (close(fd) != 0) return false;
      std::memcpy(buffer, path.c_str(), path.size() + 1);
      return true;
    }
    if (errno != EEXIST) return false;
  }
  return false;
}

File CreateOutputFile(const char* path) {
  if (path == nullptr || seam::ShouldFail("create")) return nullptr;
  // Truncated only once the lock is held, so a file another opener holds is left intact.
  const int fd = open(path, O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
  if (fd < 0) return nullptr;
  if (flock(fd, LOCK_EX | LOCK_NB) != 0 || ftruncate(fd, 0) != 0) {
    close(fd);
    return nullptr;
  }
  seam::NoteActivity("file", path);
  return FileFromDescriptor(fd);
}

bool WriteToFile(File file, const void* data, std::size_t size) {
  if (file == nullptr || (data == nullptr && size > 0) || seam::ShouldFail("write")) return false;
  return WriteAll(DescriptorFromFile(file), data, size);
}

bool CloseFile(File file) {
  if (file == nullptr) return false;
  // Closed even when the seam reports a failure, so the lock does not outlive the handle.
  const bool closed = close(DescriptorFromFile(file)) == 0;
  return closed && !seam::ShouldFail("close");
}

bool StartProcess(const char* program, const char* commandLine, const char* const* arguments) {
  if (program == nullptr || seam::ShouldFail("start")) return false;
  try {
    std::vector<char*> argv{const_cast<char*>(program)};
    for (auto next = arguments; next != nullptr && *next != nullptr; ++next) {
      argv.push_back(const_cast<char*>(*next));
    }
    argv.push_back(nullptr);
    if (!SpawnDetached(argv.data(), false)) return false;
    seam::NoteActivity("start", commandLine);
    return true;
  } catch (const std::bad_alloc&) {
    return false;
  }
}

std::uint32_t GetShortPath(const char* /*path*/, char* buffer, std::uint32_t capacity) {
  if (buffer != nullptr && capacity > 0) *buffer = '\0';
  return 0;  // no short names here: every argument reaches the program whole anyway
}

bool OpenWithSystemShell(const char* path) {
  char* argv[] = {const_cast<char*>(kShellOpenProgram), const_cast<char*>(path), nullptr};
  return SpawnDetached(argv, true);
}

std::uint32_t GetModulePath(void* /*instance*/, char* buffer, std::uint32_t capacity) {
  if (buffer == nullptr || capacity == 0 || seam::ShouldFail("module")) return 0;
  static const char kAnchor = 0;  // any address inside this module
  Dl_info info{};
  if (dladdr(&kAnchor, &info) == 0 || info.dli_fname == nullptr || *info.dli_fname == '\0') {
    return 0;
  }
  char resolved[PATH_MAX];
  const char* path = realpath(info.dli_fname, resolved) != nullptr ? resolved : info.dli_fname;
  const std::size_t length = std::strlen(path);
  if (length < capacity) {
    std::memcpy(buffer, path, length + 1);
    return static_cast<std::uint32_t>(length);
  }
  std::memcpy(buffer, path, capacity - 1);
  buffer[capacity - 1] = '\0';
  return capacity;
}

}  // namespace platform
