/* Umbrella kept for existing includes: the ADM Icon and ADM Drawer suites. Prefer the one header
 * of the suite used. */
#ifndef KERFWORKS_HOSTAPI_ADM_DRAWING_H
#define KERFWORKS_HOSTAPI_ADM_DRAWING_H

#include "hostapi/adm_drawer_suite.h"
#include "hostapi/adm_icon_suite.h"

#endif /* KERFWORKS_HOSTAPI_ADM_DRAWING_H */
