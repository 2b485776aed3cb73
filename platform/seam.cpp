#include "platform/seam.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#ifdef _WIN32
#include <windows.h>
#endif

namespace platform::seam {

#ifdef KW_TEST_HOOKS
namespace {

constexpr const char kFailVariable[] = "KW_PLATFORM_FAIL";
constexpr const char kClockVariable[] = "KW_PLATFORM_CLOCK";
constexpr const char kShellLogVariable[] = "KW_SHELL_LOG";
constexpr const char kActivityLogVariable[] = "KW_ACTIVITY_LOG";

std::string_view TrimBlanks(std::string_view text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(" \t");
  return text.substr(first, last - first + 1);
}

}  // namespace
#endif

std::optional<std::string> ReadEnvironment(const char* name) {
#ifdef _WIN32
  // The value can change between the two calls; retry until the buffer holds all of it.
  std::string value;
  DWORD needed = GetEnvironmentVariableA(name, nullptr, 0);
  while (needed != 0) {
    value.resize(needed);
    const DWORD length = GetEnvironmentVariableA(name, value.data(), needed);
    if (length < needed) {
      value.resize(length);
      break;
    }
    needed = length;
  }
  if (value.empty()) return std::nullopt;
  return value;
#else
  const char* value = std::getenv(name);
  if (value == nullptr || *value == '\0') return std::nullopt;
  return std::string(value);
#endif
}

#ifdef KW_TEST_HOOKS

bool ShouldFail(std::string_view operation) {
  const auto list = ReadEnvironment(kFailVariable);
  if (!list) return false;
  std::string_view rest = *list;
  while (true) {
    const auto comma = rest.find(',');
    if (TrimBlanks(rest.substr(0, comma)) == operation) return true;
    if (comma == std::string_view::npos) return false;
    rest.remove_prefix(comma + 1);
  }
}

std::optional<std::int64_t> ClockOverride() {
  const auto text = ReadEnvironment(kClockVariable);
  if (!text) return std::nullopt;
  errno = 0;
  char* end = nullptr;
  const long long seconds = std::strtoll(text->c_str(), &end, 10);
  if (errno != 0 || end == text->c_str() || *end != '\0') return std::nullopt;
  return static_cast<std::int64_t>(seconds);
}

std::optional<std::string> ShellLogPath() {
  return ReadEnvironment(kShellLogVariable);
}

bool AppendToShellLog(const std::string& logPath, const char* path) {
  std::FILE* log = std::fopen(logPath.c_str(), "ab");
  if (log == nullptr) return false;
  const std::size_t length = std::strlen(path);
  const bool written = std::fwrite(path, 1, length, log) == length && std::fputc('\n', log) != EOF;
  return std::fclose(log) == 0 && written;
}

void NoteActivity(const char* kind, const char* text) {
  const auto logPath = ReadEnvironment(kActivityLogVariable);
  if (!logPath) return;
  std::FILE* log = std::fopen(logPath->c_str(), "ab");
  if (log == nullptr) return;
  std::fprintf(log, "%s %s\n", kind, text == nullptr ? "" : text);
  std::fclose(log);
}

#endif  // KW_TEST_HOOKS

}  // namespace platform::seam
