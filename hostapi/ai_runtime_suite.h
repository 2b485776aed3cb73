/* AI Runtime Suite: which host application the plug-in runs in. */
#ifndef KERFWORKS_HOSTAPI_AI_RUNTIME_SUITE_H
#define KERFWORKS_HOSTAPI_AI_RUNTIME_SUITE_H

#include "hostapi/host_types.h"

KW_EXTERN_C_BEGIN

#define kAIRuntimeSuite "AI Runtime Suite"
#define kAIRuntimeSuiteVersion 10

typedef struct AIRuntimeSuite {
  /* The host application's name, a terminated string the host owns for the whole session. */
  AIErr(KW_API* GetAppName)(const char** name);
  /* The host application's major version number. */
  AIErr(KW_API* GetAppMajorVersion)(int32_t* major);
} AIRuntimeSuite;

KW_EXTERN_C_END

#ifdef KW_STATIC_ASSERT
KW_SUITE_SLOTS(AIRuntimeSuite, 2);
#endif

#endif /* KERFWORKS_HOSTAPI_AI_RUNTIME_SUITE_H */
