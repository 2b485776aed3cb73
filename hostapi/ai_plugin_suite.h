/* AI Plugin Suite: the plug-in's options word. */
#ifndef KERFWORKS_HOSTAPI_AI_PLUGIN_SUITE_H
#define KERFWORKS_HOSTAPI_AI_PLUGIN_SUITE_H

#include "hostapi/host_types.h"

KW_EXTERN_C_BEGIN

#define kAIPluginSuite "AI Plugin Suite"
#define kAIPluginSuiteVersion 3

/* Both answer kBadParameterErr for another plug-in's reference. */
typedef struct AIPluginSuite {
  /* The plug-in's options word. */
  AIErr(KW_API* GetPluginOptions)(SPPluginRef plugin, int32_t* options);
  /* Sets the plug-in's options word (the host defines the bits). */
  AIErr(KW_API* SetPluginOptions)(SPPluginRef plugin, int32_t options);
} AIPluginSuite;

KW_EXTERN_C_END

#ifdef KW_STATIC_ASSERT
KW_SUITE_SLOTS(AIPluginSuite, 2);
KW_PIN_SLOT(AIPluginSuite, SetPluginOptions, 2);
#endif

#endif /* KERFWORKS_HOSTAPI_AI_PLUGIN_SUITE_H */
