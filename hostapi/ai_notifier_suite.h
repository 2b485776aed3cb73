/* AI Notifier Suite: the host events the plug-in asks to hear about. */
#ifndef KERFWORKS_HOSTAPI_AI_NOTIFIER_SUITE_H
#define KERFWORKS_HOSTAPI_AI_NOTIFIER_SUITE_H

#include "hostapi/host_types.h"

KW_EXTERN_C_BEGIN

#define kAINotifierSuite "AI Notifier Suite"
#define kAINotifierSuiteVersion 2

typedef struct AINotifierSuite {
  /* Registers an active notifier of `type` named `name` (both copied); its events reach
   * PluginMain with caller "AI Notifier". The host owns *notifier (may be null when not wanted)
   * until the plug-in is shut down. kBadParameterErr for another plug-in's reference. */
  AIErr(KW_API* AddNotifier)(SPPluginRef plugin, const char* name, const char* type,
                             AINotifierHandle* notifier);
  /* Switches a notifier on or off; kBadParameterErr for an unknown notifier. */
  AIErr(KW_API* SetNotifierActive)(AINotifierHandle notifier, AIBoolean active);
} AINotifierSuite;

KW_EXTERN_C_END

#ifdef KW_STATIC_ASSERT
KW_SUITE_SLOTS(AINotifierSuite, 2);
KW_PIN_SLOT(AINotifierSuite, AddNotifier, 1);
#endif

#endif /* KERFWORKS_HOSTAPI_AI_NOTIFIER_SUITE_H */
