// How every suite function begins, and small helpers the suite functions share for checking the
// plug-in's pointers.
#ifndef KERFWORKS_STANDIN_SUITES_SUITE_CALL_H
#define KERFWORKS_STANDIN_SUITES_SUITE_CALL_H

#include <string>

#include "standin/core/host.h"

namespace standin {

// The first statement of every suite function, in a file whose suite name is `kSuite`: declares
// `call` (the suite and the function's own name, for records), counts the call, checks it against
// the plug-in's state and holds, and returns the injected failure code if the call is to fail.
#define KW_SUITE_CALL()                                                  \
  [[maybe_unused]] const ::standin::SuiteCall call{kSuite, __func__};    \
  if (const ASErr kwInjected = ::standin::Host::Current().Enter(call)) { \
    return kwInjected;                                                   \
  }                                                                      \
  static_assert(true)

// As KW_SUITE_CALL for a function that returns something else: returns `fallback` (nothing for
// `void`) on an injected failure.
#define KW_SUITE_CALL_OR(...)                                               \
  [[maybe_unused]] const ::standin::SuiteCall call{kSuite, __func__};       \
  if (::standin::Host::Current().Enter(call) != kNoErr) return __VA_ARGS__; \
  static_assert(true)

// False, with the misuse recorded, when the plug-in passed null for `what`.
inline bool NonNull(const void* pointer, const SuiteCall& call, const char* what) {
  if (pointer != nullptr) return true;
  Host::Current().RecordMisbehaviour(call, std::string("passed a null ") + what);
  return false;
}

// Copies `text` into the plug-in's buffer, cut to fit and terminated.
void CopyOut(const std::string& text, char* buffer, int capacity);

}  // namespace standin

#endif  // KERFWORKS_STANDIN_SUITES_SUITE_CALL_H
