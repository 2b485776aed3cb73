/* Umbrella kept for existing includes: prefer "hostapi/adm_basic_suite.h". */
#ifndef KERFWORKS_HOSTAPI_ADM_BASIC_H
#define KERFWORKS_HOSTAPI_ADM_BASIC_H

#include "hostapi/adm_basic_suite.h"

#endif /* KERFWORKS_HOSTAPI_ADM_BASIC_H */
