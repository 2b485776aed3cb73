/* Umbrella kept for existing includes: the ADM Dialog and ADM Dialog Group suites. Prefer the one
 * header of the suite used. */
#ifndef KERFWORKS_HOSTAPI_ADM_DIALOG_H
#define KERFWORKS_HOSTAPI_ADM_DIALOG_H

#include "hostapi/adm_dialog_group_suite.h"
#include "hostapi/adm_dialog_suite.h"

#endif /* KERFWORKS_HOSTAPI_ADM_DIALOG_H */
