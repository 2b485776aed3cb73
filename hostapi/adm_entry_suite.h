/* ADM Entry Suite: one entry of a list. */
#ifndef KERFWORKS_HOSTAPI_ADM_ENTRY_SUITE_H
#define KERFWORKS_HOSTAPI_ADM_ENTRY_SUITE_H

#include "hostapi/host_types.h"

KW_EXTERN_C_BEGIN

#define kADMEntrySuite "ADM Entry Suite"
#define kADMEntrySuiteVersion 2

/* Entries belong to their list (see the list suite); a dead or unknown entry makes any call do
 * nothing and answer the failure value given. */
typedef struct ADMEntrySuite {
  /* The entry's position in its list; -1 for a dead entry. */
  int32_t(KW_API* GetIndex)(ADMEntryRef entry);
  /* Makes the entry the chosen one of its list (or not). */
  void(KW_API* Select)(ADMEntryRef entry, ASBoolean select);
  /* Whether the entry is the chosen one; false for a dead entry. */
  ASBoolean(KW_API* IsSelected)(ADMEntryRef entry);
  /* Copies the entry's text into the caller's buffer, cut to fit and terminated. */
  void(KW_API* GetText)(ADMEntryRef entry, char* buffer, int32_t capacity);
  /* The entry's id in the menu resource; 0 for a dead entry. */
  int32_t(KW_API* GetID)(ADMEntryRef entry);
} ADMEntrySuite;

KW_EXTERN_C_END

#ifdef KW_STATIC_ASSERT
KW_SUITE_SLOTS(ADMEntrySuite, 5);
#endif

#endif /* KERFWORKS_HOSTAPI_ADM_ENTRY_SUITE_H */
