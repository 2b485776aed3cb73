/* AI Path Suite: the segments of a path and whether it is closed. */
#ifndef KERFWORKS_HOSTAPI_AI_PATH_SUITE_H
#define KERFWORKS_HOSTAPI_AI_PATH_SUITE_H

#include "hostapi/host_types.h"

KW_EXTERN_C_BEGIN

#define kAIPathSuite "AI Path Suite"
#define kAIPathSuiteVersion 8

/* One segment of a path: the anchor, the handle towards the previous segment ("in") and towards
 * the next ("out"), then the smooth-or-corner flag. 28 bytes. */
typedef struct AIPathSegment {
  AIRealPoint p;
  AIRealPoint in;
  AIRealPoint out;
  AIBoolean corner;
} AIPathSegment;

/* Every function takes live art of type kPathArt; other art or a dead handle answers
 * kBadParameterErr. Segment arrays are the caller's; the host copies them in and out. */
typedef struct AIPathSuite {
  /* The number of segments of the path; 0 on failure. */
  AIErr(KW_API* GetPathSegmentCount)(AIArtHandle path, int16_t* count);
  /* Grows (with zeroed segments) or shrinks the path to `count` >= 0 segments. */
  AIErr(KW_API* SetPathSegmentCount)(AIArtHandle path, int16_t count);
  /* Copies segments start .. start+count-1 into the caller's array; kBadParameterErr when that
   * range runs outside the path. */
  AIErr(KW_API* GetPathSegments)(AIArtHandle path, int16_t start, int16_t count,
                                 AIPathSegment* segments);
  /* Replaces segments from `start` (at most the current count) on, growing the path when they
   * run past its end; kBadParameterErr beyond 32767 segments. */
  AIErr(KW_API* SetPathSegments)(AIArtHandle path, int16_t start, int16_t count,
                                 const AIPathSegment* segments);
  /* Whether the path is closed; false on failure. */
  AIErr(KW_API* GetPathClosed)(AIArtHandle path, AIBoolean* closed);
  /* Opens or closes the path. */
  AIErr(KW_API* SetPathClosed)(AIArtHandle path, AIBoolean closed);
} AIPathSuite;

KW_EXTERN_C_END

#ifdef KW_STATIC_ASSERT
KW_SUITE_SLOTS(AIPathSuite, 6);
KW_STATIC_ASSERT(sizeof(AIPathSegment) == 28, "segment records are 28 bytes");
#endif

#endif /* KERFWORKS_HOSTAPI_AI_PATH_SUITE_H */
