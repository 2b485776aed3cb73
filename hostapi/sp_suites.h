/* Umbrella kept for existing includes: SP Access, SP Plug-ins and SP Blocks. Prefer the one
 * header of the suite used. */
#ifndef KERFWORKS_HOSTAPI_SP_SUITES_H
#define KERFWORKS_HOSTAPI_SP_SUITES_H

#include "hostapi/sp_access_suite.h"
#include "hostapi/sp_blocks_suite.h"
#include "hostapi/sp_plugins_suite.h"

#endif /* KERFWORKS_HOSTAPI_SP_SUITES_H */
