#include "wrappers/unicode_string.h"

#include <vector>

#include "wrappers/ai_error.h"
#include "wrappers/host_suites.h"

namespace ai {
namespace {

const AIUnicodeStringSuite& Suite() {
  if (sAIUnicodeString == nullptr) throw Error(kSuiteNotFoundErr);
  return *sAIUnicodeString;
}

}  // namespace

UnicodeString::UnicodeString(const char* text) {
  AIUnicodeStringHandle handle = nullptr;
  Check(Suite().Initialize(&handle, text == nullptr ? "" : text, kAIPlatformCharacterEncoding));
  handle_ = handle;
}

UnicodeString::~UnicodeString() {
  if (handle_ != nullptr && sAIUnicodeString != nullptr) sAIUnicodeString->Dispose(handle_);
}

std::string UnicodeString::ToUtf8() const {
  std::vector<char> buffer(1024, '\0');
  Check(Suite().GetUTF8(handle_, buffer.data(), static_cast<int32_t>(buffer.size())));
  buffer.back() = '\0';
  return buffer.data();
}

}  // namespace ai
