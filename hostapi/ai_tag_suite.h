/* AI Tag Suite: named string values the document keeps on art objects. */
#ifndef KERFWORKS_HOSTAPI_AI_TAG_SUITE_H
#define KERFWORKS_HOSTAPI_AI_TAG_SUITE_H

#include "hostapi/host_types.h"

KW_EXTERN_C_BEGIN

#define kAITagSuite "AI Tag Suite"
#define kAITagSuiteVersion 2

/* The one tag kind the host keeps; any other kind answers kBadParameterErr. */
#define kAITagKindString "string"

/* Every function takes live art (kBadParameterErr otherwise) and a non-empty tag name. */
typedef struct AITagSuite {
  /* Sets tag `name` of `kind` on the art to a copy of the terminated string `value`. */
  AIErr(KW_API* SetTag)(AIArtHandle art, const char* name, const char* kind, const void* value);
  /* Looks up tag `name` of `kind`; kTagNotFoundErr when absent. *value (the pointer may be null
   * when not wanted) is the host's copy, valid until the tag or the art changes. */
  AIErr(KW_API* GetTag)(AIArtHandle art, const char* name, const char* kind, const char** value);
  /* Removes tag `name`; kTagNotFoundErr when absent. */
  AIErr(KW_API* RemoveTag)(AIArtHandle art, const char* name);
} AITagSuite;

KW_EXTERN_C_END

#ifdef KW_STATIC_ASSERT
KW_SUITE_SLOTS(AITagSuite, 3);
#endif

#endif /* KERFWORKS_HOSTAPI_AI_TAG_SUITE_H */
