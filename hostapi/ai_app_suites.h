/* Umbrella kept for existing includes: the suites of the drawing application that are not about
 * art (notifiers, application contexts, menus, host strings, preferences, the plug-in record and
 * the runtime). Prefer the one header of the suite used. */
#ifndef KERFWORKS_HOSTAPI_AI_APP_SUITES_H
#define KERFWORKS_HOSTAPI_AI_APP_SUITES_H

#include "hostapi/ai_context_suite.h"
#include "hostapi/ai_menu_suite.h"
#include "hostapi/ai_notifier_suite.h"
#include "hostapi/ai_plugin_suite.h"
#include "hostapi/ai_preference_suite.h"
#include "hostapi/ai_runtime_suite.h"
#include "hostapi/ai_unicode_string_suite.h"

#endif /* KERFWORKS_HOSTAPI_AI_APP_SUITES_H */
