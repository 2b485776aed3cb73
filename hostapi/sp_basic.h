/* Umbrella kept for existing includes: prefer "hostapi/sp_basic_suite.h". */
#ifndef KERFWORKS_HOSTAPI_SP_BASIC_H
#define KERFWORKS_HOSTAPI_SP_BASIC_H

#include "hostapi/sp_basic_suite.h"

#endif /* KERFWORKS_HOSTAPI_SP_BASIC_H */
