/* ADM Tracker Suite: the mouse events the host hands track callbacks. */
#ifndef KERFWORKS_HOSTAPI_ADM_TRACKER_SUITE_H
#define KERFWORKS_HOSTAPI_ADM_TRACKER_SUITE_H

#include "hostapi/host_types.h"

KW_EXTERN_C_BEGIN

#define kADMTrackerSuite "ADM Tracker Suite"
#define kADMTrackerSuiteVersion 2

/* A tracker lives only during the track callback it was handed to; a dead one makes any call do
 * nothing and answer 0. */
typedef struct ADMTrackerSuite {
  /* Copies where the event happened, in the item's coordinates. */
  void(KW_API* GetPoint)(ADMTrackerRef tracker, ASPoint* point);
  /* The kind of event (the host defines the codes). */
  int32_t(KW_API* GetAction)(ADMTrackerRef tracker);
  /* Stops tracking the current event. */
  void(KW_API* Abort)(ADMTrackerRef tracker);
} ADMTrackerSuite;

KW_EXTERN_C_END

#ifdef KW_STATIC_ASSERT
KW_SUITE_SLOTS(ADMTrackerSuite, 3);
#endif

#endif /* KERFWORKS_HOSTAPI_ADM_TRACKER_SUITE_H */
