/* ADM Icon Suite: icons made from the plug-in's picture resources. */
#ifndef KERFWORKS_HOSTAPI_ADM_ICON_SUITE_H
#define KERFWORKS_HOSTAPI_ADM_ICON_SUITE_H

#include "hostapi/host_types.h"

KW_EXTERN_C_BEGIN

#define kADMIconSuite "ADM Icon Suite"
#define kADMIconSuiteVersion 2

typedef struct ADMIconSuite {
  /* Makes an icon from the plug-in's picture resource `iconId` (`name` may be null, `index` picks
   * an image of a multi-image resource); the caller's until Destroy, unless handed to a dialog
   * with SetIcon. Null when there is no such resource or for another plug-in's reference. */
  ADMIconRef(KW_API* GetFromResource)(SPPluginRef plugin, const char* name, int32_t iconId,
                                      int32_t index);
  /* Frees an icon the caller owns; refused for an icon a dialog owns. */
  void(KW_API* Destroy)(ADMIconRef icon);
  /* The icon's width in pixels; 0 for a dead icon. */
  int32_t(KW_API* GetWidth)(ADMIconRef icon);
  /* The icon's height in pixels; 0 for a dead icon. */
  int32_t(KW_API* GetHeight)(ADMIconRef icon);
} ADMIconSuite;

KW_EXTERN_C_END

#ifdef KW_STATIC_ASSERT
KW_SUITE_SLOTS(ADMIconSuite, 4);
#endif

#endif /* KERFWORKS_HOSTAPI_ADM_ICON_SUITE_H */
