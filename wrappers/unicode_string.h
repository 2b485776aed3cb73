// A host Unicode string owned for its lifetime; every failing host call throws ai::Error with the
// host's code.
#ifndef KERFWORKS_WRAPPERS_UNICODE_STRING_H
#define KERFWORKS_WRAPPERS_UNICODE_STRING_H

#include <string>

#include "hostapi/host_types.h"

namespace ai {

class UnicodeString {
 public:
  // From text in the platform's encoding (what the plug-in's resources hold).
  explicit UnicodeString(const char* text);
  UnicodeString(const UnicodeString&) = delete;
  UnicodeString& operator=(const UnicodeString&) = delete;
  ~UnicodeString();

  // Borrowed: the host copies what it keeps.
  AIUnicodeStringHandle Handle() const { return handle_; }
  std::string ToUtf8() const;

 private:
  AIUnicodeStringHandle handle_ = nullptr;
};

}  // namespace ai

#endif  // KERFWORKS_WRAPPERS_UNICODE_STRING_H
