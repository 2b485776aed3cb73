/* AI PathConstruction Suite: flattening Bezier outlines into points. */
#ifndef KERFWORKS_HOSTAPI_AI_PATH_CONSTRUCTION_SUITE_H
#define KERFWORKS_HOSTAPI_AI_PATH_CONSTRUCTION_SUITE_H

#include "hostapi/ai_path_suite.h"

KW_EXTERN_C_BEGIN

#define kAIPathConstructionSuite "AI PathConstruction Suite"
#define kAIPathConstructionSuiteVersion 2

/* One point of a flattened outline. */
typedef struct AIPathConstructionPoint {
  AIRealPoint point;
  AIBoolean corner;
} AIPathConstructionPoint;

/* The caller's allocator, through which the host allocates the point list it returns. */
typedef struct AIPathConstructionMemoryObject {
  /* Called by the host during SegmentsToPoints only; null when no memory can be had. */
  void*(KW_API* allocate)(size_t size);
  /* Frees a block `allocate` gave; the caller hands it the point list once done with it. */
  void(KW_API* dispose)(void* block);
} AIPathConstructionMemoryObject;

typedef struct AIPathConstructionSuite {
  /* Flattens `segments` into points within `flatness` (> 0) points of the curve, `resolution`
   * (>= 1) bounding the points per segment; *points comes from memory->allocate and is the
   * caller's to give to memory->dispose (null with a count of 0 when empty or on failure:
   * kOutOfMemoryErr when the allocator fails, kBadParameterErr for bad arguments). */
  AIErr(KW_API* SegmentsToPoints)(int32_t segmentCount, const AIPathSegment* segments,
                                  AIReal resolution, AIReal flatness,
                                  const AIPathConstructionMemoryObject* memory, int32_t* pointCount,
                                  AIPathConstructionPoint** points);
} AIPathConstructionSuite;

KW_EXTERN_C_END

#ifdef KW_STATIC_ASSERT
KW_SUITE_SLOTS(AIPathConstructionSuite, 1);
KW_STATIC_ASSERT(sizeof(AIPathConstructionPoint) == 12, "flattened points are 12 bytes");
#endif

#endif /* KERFWORKS_HOSTAPI_AI_PATH_CONSTRUCTION_SUITE_H */
