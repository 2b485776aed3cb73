#include <cstring>

#include "hostapi/suites.h"
#include "standin/suites/suite_call.h"
#include "standin/suites/tables.h"

namespace standin {
namespace {

constexpr char kSuite[] = kAIUnicodeStringSuite;

// Platform encoding is UTF-8 on the stand-in host.
AIErr KW_API Initialize(AIUnicodeStringHandle* string, const char* text, int32_t encoding) {
  if (string != nullptr) *string = nullptr;
  KW_SUITE_CALL();
  if (string == nullptr || text == nullptr) return kBadParameterErr;
  if (encoding != kAIPlatformCharacterEncoding && encoding != kAIUTF8CharacterEncoding) {
    return kBadParameterErr;
  }
  *string = Host::Current().App().strings.Add(std::make_unique<UnicodeString>(UnicodeString{text}));
  return kNoErr;
}

AIErr KW_API Dispose(AIUnicodeStringHandle string) {
  KW_SUITE_CALL();
  if (string == nullptr) return kNoErr;
  Host& host = Host::Current();
  if (!host.App().strings.Dispose(string)) {
    host.RecordMisbehaviour(std::string(kSuite) + "::Dispose", "disposed an unknown string");
    return kBadParameterErr;
  }
  return kNoErr;
}

AIErr KW_API GetUTF8(AIUnicodeStringHandle string, char* buffer, int32_t capacity) {
  KW_SUITE_CALL();
  const UnicodeString* found = Host::Current().App().strings.Find(string);
  if (found == nullptr || buffer == nullptr || capacity <= 0) return kBadParameterErr;
  const std::size_t length = std::min(found->utf8.size(), static_cast<std::size_t>(capacity - 1));
  std::memcpy(buffer, found->utf8.data(), length);
  buffer[length] = '\0';
  return kNoErr;
}

}  // namespace

const AIUnicodeStringSuite* AIUnicodeStringSuiteTable() {
  static const AIUnicodeStringSuite table = {&Initialize, &Dispose, &GetUTF8};
  return &table;
}

}  // namespace standin
