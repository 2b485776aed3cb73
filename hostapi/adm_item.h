/* Umbrella kept for existing includes: the ADM Item, List, Entry, Notifier and Tracker suites.
 * Prefer the one header of the suite used. */
#ifndef KERFWORKS_HOSTAPI_ADM_ITEM_H
#define KERFWORKS_HOSTAPI_ADM_ITEM_H

#include "hostapi/adm_entry_suite.h"
#include "hostapi/adm_item_suite.h"
#include "hostapi/adm_list_suite.h"
#include "hostapi/adm_notifier_suite.h"
#include "hostapi/adm_tracker_suite.h"

#endif /* KERFWORKS_HOSTAPI_ADM_ITEM_H */
