#include <algorithm>
#include <cstring>

#include "hostapi/suites.h"
#include "standin/suites/document_access.h"
#include "standin/suites/tables.h"

namespace standin {
namespace {

constexpr char kSuite[] = kAIPreferenceSuite;

bool CheckNames(const SuiteCall& call, const char* prefix, const char* suffix, ASErr* err) {
  return !Missing(call, prefix, "section name", err) && !Missing(call, suffix, "key", err);
}

// A missing key leaves the caller's value; a key of another type fails and leaves it too.
template <typename Stored, typename Out>
AIErr Read(const SuiteCall& call, const char* prefix, const char* suffix, Out* value) {
  ASErr err = kNoErr;
  if (!CheckNames(call, prefix, suffix, &err) || Missing(call, value, "value pointer", &err)) {
    return err;
  }
  const PreferenceValue* stored = Host::Current().Preferences().Find(prefix, suffix);
  if (stored == nullptr) return kNoErr;
  if (!std::holds_alternative<Stored>(*stored)) return kBadParameterErr;
  *value = static_cast<Out>(std::get<Stored>(*stored));
  return kNoErr;
}

AIErr Write(const SuiteCall& call, const char* prefix, const char* suffix, PreferenceValue value) {
  ASErr err = kNoErr;
  if (!CheckNames(call, prefix, suffix, &err)) return err;
  Host::Current().Preferences().Write(prefix, suffix, std::move(value));
  return kNoErr;
}

AIErr KW_API GetBooleanPreference(const char* prefix, const char* suffix, AIBoolean* value) {
  KW_SUITE_CALL();
  return Read<bool>(call, prefix, suffix, value);
}

AIErr KW_API PutBooleanPreference(const char* prefix, const char* suffix, AIBoolean value) {
  KW_SUITE_CALL();
  return Write(call, prefix, suffix, value != 0);
}

AIErr KW_API GetIntegerPreference(const char* prefix, const char* suffix, int32_t* value) {
  KW_SUITE_CALL();
  return Read<std::int32_t>(call, prefix, suffix, value);
}

AIErr KW_API PutIntegerPreference(const char* prefix, const char* suffix, int32_t value) {
  KW_SUITE_CALL();
  return Write(call, prefix, suffix, value);
}

AIErr KW_API GetRealPreference(const char* prefix, const char* suffix, AIReal* value) {
  KW_SUITE_CALL();
  return Read<AIReal>(call, prefix, suffix, value);
}

AIErr KW_API PutRealPreference(const char* prefix, const char* suffix, AIReal value) {
  KW_SUITE_CALL();
  return Write(call, prefix, suffix, value);
}

AIErr KW_API GetStringPreference(const char* prefix, const char* suffix, char* buffer,
                                 int32_t capacity) {
  KW_SUITE_CALL();
  ASErr err = kNoErr;
  if (!CheckNames(call, prefix, suffix, &err) || Missing(call, buffer, "buffer", &err)) return err;
  if (capacity <= 0) return Misuse(call, "passed a buffer without room");
  const PreferenceValue* stored = Host::Current().Preferences().Find(prefix, suffix);
  if (stored == nullptr) return kNoErr;
  const std::string* text = std::get_if<std::string>(stored);
  if (text == nullptr) return kBadParameterErr;
  // The terminator comes along only when it fits.
  std::memcpy(buffer, text->c_str(), std::min(text->size() + 1, std::size_t(capacity)));
  return kNoErr;
}

AIErr KW_API PutStringPreference(const char* prefix, const char* suffix, const char* value) {
  KW_SUITE_CALL();
  ASErr err = kNoErr;
  if (Missing(call, value, "string", &err)) return err;
  return Write(call, prefix, suffix, std::string(value));
}

AIErr KW_API GetPointPreference(const char* prefix, const char* suffix, ASPoint* value) {
  KW_SUITE_CALL();
  return Read<ASPoint>(call, prefix, suffix, value);
}

AIErr KW_API PutPointPreference(const char* prefix, const char* suffix, const ASPoint* value) {
  KW_SUITE_CALL();
  ASErr err = kNoErr;
  if (Missing(call, value, "point", &err)) return err;
  return Write(call, prefix, suffix, *value);
}

}  // namespace

const AIPreferenceSuite* AIPreferenceSuiteTable() {
  static const AIPreferenceSuite table = {
      &GetBooleanPreference, &PutBooleanPreference, &GetIntegerPreference, &PutIntegerPreference,
      &GetRealPreference,    &PutRealPreference,    &GetStringPreference,  &PutStringPreference,
      &GetPointPreference,   &PutPointPreference,
  };
  return &table;
}

}  // namespace standin
