/* SP Plug-ins Suite: the plug-in's name as the host knows it. */
#ifndef KERFWORKS_HOSTAPI_SP_PLUGINS_SUITE_H
#define KERFWORKS_HOSTAPI_SP_PLUGINS_SUITE_H

#include "hostapi/host_types.h"

KW_EXTERN_C_BEGIN

#define kSPPluginsSuite "SP Plug-ins Suite"
#define kSPPluginsSuiteVersion 4

typedef struct SPPluginsSuite {
  KwReservedProc reserved1to23[23];
  /* Tells the host the plug-in's name (copied); kBadParameterErr for a null name or another
   * plug-in's reference. */
  ASErr(KW_API* SetPluginName)(SPPluginRef plugin, const char* name);
  /* The name last set, owned by the host until the next SetPluginName. */
  ASErr(KW_API* GetPluginName)(SPPluginRef plugin, const char** name);
} SPPluginsSuite;

KW_EXTERN_C_END

#ifdef KW_STATIC_ASSERT
KW_SUITE_SLOTS(SPPluginsSuite, 25);
KW_PIN_SLOT(SPPluginsSuite, SetPluginName, 24);
#endif

#endif /* KERFWORKS_HOSTAPI_SP_PLUGINS_SUITE_H */
