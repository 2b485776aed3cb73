/* AI Matching Art Suite: lists of the current document's art by selection or by type and
 * attributes. */
#ifndef KERFWORKS_HOSTAPI_AI_MATCHING_ART_SUITE_H
#define KERFWORKS_HOSTAPI_AI_MATCHING_ART_SUITE_H

#include "hostapi/ai_art_suite.h"

KW_EXTERN_C_BEGIN

#define kAIMatchingArtSuite "AI Matching Art Suite"
#define kAIMatchingArtSuiteVersion 5

/* Matches art of `type` (kAnyArt: every type) whose attributes masked by `whichAttr` equal `attr`.
 */
typedef struct AIMatchingArtSpec {
  int16_t type;
  int32_t whichAttr;
  int32_t attr;
} AIMatchingArtSpec;

/* Lists are a host-allocated array of handles that the caller owns until ReleaseArtList; an
 * empty list is null with a count of 0 and needs no release. Order: every art object at any
 * depth, in paint order, a parent before its children. Both queries answer kNoDocumentErr (and
 * an empty list) when no document is open. */
typedef struct AIMatchingArtSuite {
  /* The selected art of the current document. */
  AIErr(KW_API* GetSelectedArt)(AIArtHandle** matches, int32_t* count);
  /* The art matching any of the `specCount` (> 0) specifications. */
  AIErr(KW_API* GetMatchingArt)(const AIMatchingArtSpec* specs, int16_t specCount,
                                AIArtHandle** matches, int32_t* count);
  /* Gives a list back to the host; null is ignored, a list the host did not hand out fails. */
  AIErr(KW_API* ReleaseArtList)(AIArtHandle* matches);
} AIMatchingArtSuite;

KW_EXTERN_C_END

#ifdef KW_STATIC_ASSERT
KW_SUITE_SLOTS(AIMatchingArtSuite, 3);
KW_STATIC_ASSERT(sizeof(AIMatchingArtSpec) == 12, "a matching specification is 12 bytes");
#endif

#endif /* KERFWORKS_HOSTAPI_AI_MATCHING_ART_SUITE_H */
