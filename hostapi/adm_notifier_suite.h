/* ADM Notifier Suite: the notifications the host hands item and dialog notify callbacks. */
#ifndef KERFWORKS_HOSTAPI_ADM_NOTIFIER_SUITE_H
#define KERFWORKS_HOSTAPI_ADM_NOTIFIER_SUITE_H

#include "hostapi/host_types.h"

KW_EXTERN_C_BEGIN

#define kADMNotifierSuite "ADM Notifier Suite"
#define kADMNotifierSuiteVersion 2

/* A notifier lives only during the notify callback it was handed to; a dead one makes any call
 * answer null or false. */
typedef struct ADMNotifierSuite {
  /* Whether the notification is of `type` (for example "ADM User Changed Notifier"). */
  ASBoolean(KW_API* IsNotifierType)(ADMNotifierRef notifier, const char* type);
  /* The item the notification is about, or null for the dialog itself. */
  ADMItemRef(KW_API* GetItem)(ADMNotifierRef notifier);
  /* The dialog the notification is about. */
  ADMDialogRef(KW_API* GetDialog)(ADMNotifierRef notifier);
  /* Copies the type name into the caller's buffer, cut to fit and terminated. */
  void(KW_API* GetNotifierType)(ADMNotifierRef notifier, char* buffer, int32_t capacity);
} ADMNotifierSuite;

KW_EXTERN_C_END

#ifdef KW_STATIC_ASSERT
KW_SUITE_SLOTS(ADMNotifierSuite, 4);
#endif

#endif /* KERFWORKS_HOSTAPI_ADM_NOTIFIER_SUITE_H */
