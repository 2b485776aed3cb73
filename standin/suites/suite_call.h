// Small helpers the suite functions share for naming a call and checking the plug-in's pointers.
#ifndef KERFWORKS_STANDIN_SUITES_SUITE_CALL_H
#define KERFWORKS_STANDIN_SUITES_SUITE_CALL_H

#include <string>

#include "standin/core/host.h"

namespace standin {

inline std::string SuiteCall(const char* suite, const char* function) {
  return std::string(suite) + "::" + function;
}

// False, with the misuse recorded, when the plug-in passed null for `what`.
inline bool NonNull(const void* pointer, const std::string& call, const char* what) {
  if (pointer != nullptr) return true;
  Host::Current().RecordMisbehaviour(call, std::string("passed a null ") + what);
  return false;
}

// Copies `text` into the plug-in's buffer, cut to fit and terminated.
void CopyOut(const std::string& text, char* buffer, int capacity);

}  // namespace standin

#endif  // KERFWORKS_STANDIN_SUITES_SUITE_CALL_H
