/* Every suite the plug-in acquires, in one include. */
#ifndef KERFWORKS_HOSTAPI_SUITES_H
#define KERFWORKS_HOSTAPI_SUITES_H

#include "hostapi/adm_basic.h"
#include "hostapi/adm_dialog.h"
#include "hostapi/adm_drawing.h"
#include "hostapi/adm_item.h"
#include "hostapi/ai_app_suites.h"
#include "hostapi/ai_art_suites.h"
#include "hostapi/messages.h"
#include "hostapi/sp_basic.h"
#include "hostapi/sp_suites.h"

#endif /* KERFWORKS_HOSTAPI_SUITES_H */
