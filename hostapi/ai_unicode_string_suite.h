/* AI Unicode String Suite: host strings, as the menu suite takes and hands them out. */
#ifndef KERFWORKS_HOSTAPI_AI_UNICODE_STRING_SUITE_H
#define KERFWORKS_HOSTAPI_AI_UNICODE_STRING_SUITE_H

#include "hostapi/host_types.h"

KW_EXTERN_C_BEGIN

#define kAIUnicodeStringSuite "AI Unicode String Suite"
#define kAIUnicodeStringSuiteVersion 6

enum { kAIPlatformCharacterEncoding = 0, kAIUTF8CharacterEncoding = 1 };

typedef struct AIUnicodeStringSuite {
  /* Makes a host string from the terminated `text` in `encoding`, the caller's until Dispose;
   * kBadParameterErr and null for a null text or an unknown encoding. */
  AIErr(KW_API* Initialize)(AIUnicodeStringHandle* string, const char* text, int32_t encoding);
  /* Frees a host string the caller owns; null is ignored, an unknown string fails. */
  AIErr(KW_API* Dispose)(AIUnicodeStringHandle string);
  /* Copies the string as UTF-8 into the caller's buffer, cut to fit and terminated. */
  AIErr(KW_API* GetUTF8)(AIUnicodeStringHandle string, char* buffer, int32_t capacity);
} AIUnicodeStringSuite;

KW_EXTERN_C_END

#ifdef KW_STATIC_ASSERT
KW_SUITE_SLOTS(AIUnicodeStringSuite, 3);
#endif

#endif /* KERFWORKS_HOSTAPI_AI_UNICODE_STRING_SUITE_H */
