/* ADM List Suite: the entries of popup, list and flyout menu items. */
#ifndef KERFWORKS_HOSTAPI_ADM_LIST_SUITE_H
#define KERFWORKS_HOSTAPI_ADM_LIST_SUITE_H

#include "hostapi/host_types.h"

KW_EXTERN_C_BEGIN

#define kADMListSuite "ADM List Suite"
#define kADMListSuiteVersion 1

/* Lists belong to their item and entries to their list: they die with it, and entries also when
 * the list is filled anew. A dead or unknown list makes any call do nothing and answer null or 0.
 */
typedef struct ADMListSuite {
  /* Replaces the entries with those of the plug-in's menu resource `menuId`. */
  void(KW_API* SetMenuID)(ADMListRef list, int32_t menuId);
  /* The chosen entry, or null. */
  ADMEntryRef(KW_API* GetActiveEntry)(ADMListRef list);
  /* The entry at `index` (0 .. count-1), or null outside that range. */
  ADMEntryRef(KW_API* IndexEntry)(ADMListRef list, int32_t index);
  /* The number of entries. */
  int32_t(KW_API* NumberOfEntries)(ADMListRef list);
} ADMListSuite;

KW_EXTERN_C_END

#ifdef KW_STATIC_ASSERT
KW_SUITE_SLOTS(ADMListSuite, 4);
#endif

#endif /* KERFWORKS_HOSTAPI_ADM_LIST_SUITE_H */
