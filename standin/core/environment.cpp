#include "standin/core/environment.h"

#include <cstdlib>
#include <utility>

#ifdef _WIN32
#include <windows.h>
#endif

namespace standin {

bool SetEnvironment(const std::string& name, const std::string& value) {
#ifdef _WIN32
  return SetEnvironmentVariableA(name.c_str(), value.c_str()) != 0;
#else
  return setenv(name.c_str(), value.c_str(), 1) == 0;
#endif
}

bool ClearEnvironment(const std::string& name) {
#ifdef _WIN32
  return SetEnvironmentVariableA(name.c_str(), nullptr) != 0 ||
         GetLastError() == ERROR_ENVVAR_NOT_FOUND;
#else
  return unsetenv(name.c_str()) == 0;
#endif
}

std::optional<std::string> ReadEnvironment(const std::string& name) {
#ifdef _WIN32
  const DWORD needed = GetEnvironmentVariableA(name.c_str(), nullptr, 0);
  if (needed == 0) return std::nullopt;
  std::string value(needed, '\0');
  const DWORD length = GetEnvironmentVariableA(name.c_str(), value.data(), needed);
  value.resize(length < needed ? length : 0);
  return value;
#else
  const char* value = std::getenv(name.c_str());
  if (value == nullptr) return std::nullopt;
  return std::string(value);
#endif
}

ScopedEnvironment::ScopedEnvironment(std::string name, const std::optional<std::string>& value)
    : name_(std::move(name)), old_(ReadEnvironment(name_)) {
  if (value) {
    SetEnvironment(name_, *value);
  } else {
    ClearEnvironment(name_);
  }
}

ScopedEnvironment::~ScopedEnvironment() {
  if (old_) {
    SetEnvironment(name_, *old_);
  } else {
    ClearEnvironment(name_);
  }
}

}  // namespace standin
