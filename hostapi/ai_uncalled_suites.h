/* AI Expand, AI Raster and AI Pathfinder suites: acquired with the others, never called, so their
 * tables stay opaque here. */
#ifndef KERFWORKS_HOSTAPI_AI_UNCALLED_SUITES_H
#define KERFWORKS_HOSTAPI_AI_UNCALLED_SUITES_H

#include "hostapi/host_types.h"

KW_EXTERN_C_BEGIN

#define kAIExpandSuite "AI Expand Suite"
#define kAIExpandSuiteVersion 2
#define kAIRasterSuite "AI Raster Suite"
#define kAIRasterSuiteVersion 8
#define kAIPathfinderSuite "AI Pathfinder Suite"
#define kAIPathfinderSuiteVersion 4

typedef struct AIUncalledSuite {
  KwReservedProc reserved[4];
} AIUncalledSuite;

KW_EXTERN_C_END

#ifdef KW_STATIC_ASSERT
KW_SUITE_SLOTS(AIUncalledSuite, 4);
#endif

#endif /* KERFWORKS_HOSTAPI_AI_UNCALLED_SUITES_H */
