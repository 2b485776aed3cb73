/* AI Action Manager Suite: playing the host's own actions with parameter blocks. */
#ifndef KERFWORKS_HOSTAPI_AI_ACTION_MANAGER_SUITE_H
#define KERFWORKS_HOSTAPI_AI_ACTION_MANAGER_SUITE_H

#include "hostapi/host_types.h"

KW_EXTERN_C_BEGIN

#define kAIActionManagerSuite "AI Action Manager Suite"
#define kAIActionManagerSuiteVersion 3

/* Dialog status of a play. */
enum { kActionDialogOff = 0, kActionDialogOn = 1 };

/* Keys and units are four-character codes packed first-byte-high (KW_FOUR_CHAR). */
typedef uint32_t ActionParamKeyID;
typedef uint32_t ActionParamUnitID;

/* A parameter block that was deleted or never handed out answers kBadParameterErr. A setter
 * replaces an earlier value under the same key. */
typedef struct AIActionManagerSuite {
  /* Creates an empty parameter block, the caller's until AIDeleteActionParamValue. */
  AIErr(KW_API* AINewActionParamValue)(AIActionParamValueRef* value);
  /* Frees a parameter block; its handle is dead afterwards. */
  AIErr(KW_API* AIDeleteActionParamValue)(AIActionParamValueRef value);
  /* Sets a real value. */
  AIErr(KW_API* AIActionSetReal)(AIActionParamValueRef value, ActionParamKeyID key, AIReal real);
  /* Sets a real value with a unit. */
  AIErr(KW_API* AIActionSetUnitReal)(AIActionParamValueRef value, ActionParamKeyID key,
                                     ActionParamUnitID unit, AIReal real);
  /* Sets an enumerated value: its name (copied) and number. */
  AIErr(KW_API* AIActionSetEnumerated)(AIActionParamValueRef value, ActionParamKeyID key,
                                       const char* name, int32_t number);
  /* Plays host action `eventName` on the current selection, with its dialog when `dialogStatus`
   * is kActionDialogOn; answers the action's own result. `parameters` may be null, stays the
   * caller's and is read during the call only. */
  AIErr(KW_API* PlayActionEvent)(const char* eventName, int32_t dialogStatus,
                                 AIActionParamValueRef parameters);
} AIActionManagerSuite;

KW_EXTERN_C_END

#ifdef KW_STATIC_ASSERT
KW_SUITE_SLOTS(AIActionManagerSuite, 6);
#endif

#endif /* KERFWORKS_HOSTAPI_AI_ACTION_MANAGER_SUITE_H */
