#include "standin/core/environment.h"

#include <cstdlib>

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

}  // namespace standin
