/* SP Access Suite: the plug-in's hold on its own module file. */
#ifndef KERFWORKS_HOSTAPI_SP_ACCESS_SUITE_H
#define KERFWORKS_HOSTAPI_SP_ACCESS_SUITE_H

#include "hostapi/host_types.h"

KW_EXTERN_C_BEGIN

#define kSPAccessSuite "SP Access Suite"
#define kSPAccessSuiteVersion 3

typedef struct SPAccessSuite {
  /* Holds the plug-in's file open (counted); *access is the caller's until ReleasePluginAccess.
   * kBadParameterErr and null for another plug-in's reference. */
  ASErr(KW_API* AcquirePluginAccess)(SPPluginRef plugin, SPAccessRef* access);
  /* Gives back one AcquirePluginAccess; kBadParameterErr when none is held. */
  ASErr(KW_API* ReleasePluginAccess)(SPAccessRef access);
  /* The module instance handle (what the OS knows the file by), owned by the host; null when the
   * plug-in is linked into the host's own program. kBadParameterErr for a foreign access. */
  ASErr(KW_API* GetAccessInstanceHandle)(SPAccessRef access, void** instance);
  /* The plug-in's current access, borrowed: not counted, not to be released. */
  ASErr(KW_API* GetPluginAccess)(SPPluginRef plugin, SPAccessRef* access);
} SPAccessSuite;

KW_EXTERN_C_END

#ifdef KW_STATIC_ASSERT
KW_SUITE_SLOTS(SPAccessSuite, 4);
KW_PIN_SLOT(SPAccessSuite, AcquirePluginAccess, 1);
KW_PIN_SLOT(SPAccessSuite, ReleasePluginAccess, 2);
#endif

#endif /* KERFWORKS_HOSTAPI_SP_ACCESS_SUITE_H */
