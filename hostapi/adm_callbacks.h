/* Callbacks the plug-in gives ADM for dialogs and their items. All run on the host's user-interface
 * thread inside the host's own calls. */
#ifndef KERFWORKS_HOSTAPI_ADM_CALLBACKS_H
#define KERFWORKS_HOSTAPI_ADM_CALLBACKS_H

#include "hostapi/host_types.h"

KW_EXTERN_C_BEGIN

/* Called once the host has built the dialog's items; a non-zero code fails the creation. */
typedef ASErr(KW_API* ADMDialogInitProc)(ADMDialogRef dialog);
typedef void(KW_API* ADMDialogDrawProc)(ADMDialogRef dialog, ADMDrawerRef drawer);
/* Returns whether the event was handled. */
typedef ASBoolean(KW_API* ADMDialogTrackProc)(ADMDialogRef dialog, ADMTrackerRef tracker);
typedef void(KW_API* ADMDialogNotifyProc)(ADMDialogRef dialog, ADMNotifierRef notifier);
/* Called while the host destroys the dialog; the dialog handle is invalid afterwards. */
typedef void(KW_API* ADMDialogDestroyProc)(ADMDialogRef dialog);

typedef void(KW_API* ADMItemDrawProc)(ADMItemRef item, ADMDrawerRef drawer);
typedef ASBoolean(KW_API* ADMItemTrackProc)(ADMItemRef item, ADMTrackerRef tracker);
typedef void(KW_API* ADMItemNotifyProc)(ADMItemRef item, ADMNotifierRef notifier);

KW_EXTERN_C_END

#endif /* KERFWORKS_HOSTAPI_ADM_CALLBACKS_H */
