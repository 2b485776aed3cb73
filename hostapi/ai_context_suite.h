/* AI Context Suite: application contexts that bracket the plug-in's changes to the document. */
#ifndef KERFWORKS_HOSTAPI_AI_CONTEXT_SUITE_H
#define KERFWORKS_HOSTAPI_AI_CONTEXT_SUITE_H

#include "hostapi/host_types.h"

KW_EXTERN_C_BEGIN

#define kAIContextSuite "AI Context Suite"
#define kAIContextSuiteVersion 4

typedef struct AIContextSuite {
  /* Whether an application context is open right now. */
  AIErr(KW_API* IsInAppContext)(AIBoolean* inContext);
  /* Opens a context for the plug-in's work on the document; the caller closes *context with
   * PopAppContext within the same host call. kBadParameterErr for another plug-in's reference. */
  AIErr(KW_API* PushAppContext)(SPPluginRef plugin, AIAppContextHandle* context);
  /* Closes the innermost open context; kBadParameterErr for any other. */
  AIErr(KW_API* PopAppContext)(AIAppContextHandle context);
} AIContextSuite;

KW_EXTERN_C_END

#ifdef KW_STATIC_ASSERT
KW_SUITE_SLOTS(AIContextSuite, 3);
KW_PIN_SLOT(AIContextSuite, PushAppContext, 2);
KW_PIN_SLOT(AIContextSuite, PopAppContext, 3);
#endif

#endif /* KERFWORKS_HOSTAPI_AI_CONTEXT_SUITE_H */
