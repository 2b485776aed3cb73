/* AI Preference Suite: the host's preference store, which outlives the session. */
#ifndef KERFWORKS_HOSTAPI_AI_PREFERENCE_SUITE_H
#define KERFWORKS_HOSTAPI_AI_PREFERENCE_SUITE_H

#include "hostapi/host_types.h"

KW_EXTERN_C_BEGIN

#define kAIPreferenceSuite "AI Preference Suite"
#define kAIPreferenceSuiteVersion 4

/* Preferences live in sections (`prefix`) under keys (`suffix`), each key holding one typed value;
 * a null section or key answers kBadParameterErr. A read of a missing key answers 0 and leaves the
 * value untouched, so the caller's default stays; a read of a key stored with another type answers
 * kBadParameterErr and leaves it untouched too. A write replaces the key's value and type. */
typedef struct AIPreferenceSuite {
  /* Reads a boolean. */
  AIErr(KW_API* GetBooleanPreference)(const char* prefix, const char* suffix, AIBoolean* value);
  /* Stores a boolean. */
  AIErr(KW_API* PutBooleanPreference)(const char* prefix, const char* suffix, AIBoolean value);
  /* Reads a 32-bit integer. */
  AIErr(KW_API* GetIntegerPreference)(const char* prefix, const char* suffix, int32_t* value);
  /* Stores a 32-bit integer. */
  AIErr(KW_API* PutIntegerPreference)(const char* prefix, const char* suffix, int32_t value);
  /* Reads a real. */
  AIErr(KW_API* GetRealPreference)(const char* prefix, const char* suffix, AIReal* value);
  /* Stores a real. */
  AIErr(KW_API* PutRealPreference)(const char* prefix, const char* suffix, AIReal value);
  /* Copies at most `capacity` (> 0) bytes of a stored string; one that does not fit is cut and
   * then carries no terminator, so callers terminate the buffer themselves. */
  AIErr(KW_API* GetStringPreference)(const char* prefix, const char* suffix, char* buffer,
                                     int32_t capacity);
  /* Stores a copy of a terminated string. */
  AIErr(KW_API* PutStringPreference)(const char* prefix, const char* suffix, const char* value);
  /* Reads a point (two 32-bit integers). */
  AIErr(KW_API* GetPointPreference)(const char* prefix, const char* suffix, ASPoint* value);
  /* Stores a copy of a point. */
  AIErr(KW_API* PutPointPreference)(const char* prefix, const char* suffix, const ASPoint* value);
} AIPreferenceSuite;

KW_EXTERN_C_END

#ifdef KW_STATIC_ASSERT
KW_SUITE_SLOTS(AIPreferenceSuite, 10);
#endif

#endif /* KERFWORKS_HOSTAPI_AI_PREFERENCE_SUITE_H */
