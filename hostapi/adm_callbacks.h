/* Callbacks the plug-in gives ADM for dialogs and their items. All run on the host's user-interface
 * thread inside the host's own calls. */
#ifndef KERFWORKS_HOSTAPI_ADM_CALLBACKS_H
#define KERFWORKS_HOSTAPI_ADM_CALLBACKS_H

#include "hostapi/host_types.h"

KW_EXTERN_C_BEGIN

/* Called once the host has built the dialog's items; a non-zero code fails the creation. */
typedef ASErr(KW_API* ADMDialogInitProc)(ADMDialogRef dialog);
/* Paints the dialog through `drawer`, which lives for this call only. */
typedef void(KW_API* ADMDialogDrawProc)(ADMDialogRef dialog, ADMDrawerRef drawer);
/* A mouse event; returns whether it was handled. `tracker` lives for this call only. */
typedef ASBoolean(KW_API* ADMDialogTrackProc)(ADMDialogRef dialog, ADMTrackerRef tracker);
/* A notification about the dialog; `notifier` lives for this call only. */
typedef void(KW_API* ADMDialogNotifyProc)(ADMDialogRef dialog, ADMNotifierRef notifier);
/* Called while the host destroys the dialog; the dialog handle is invalid afterwards. */
typedef void(KW_API* ADMDialogDestroyProc)(ADMDialogRef dialog);

/* The same three for one item of a dialog. */
typedef void(KW_API* ADMItemDrawProc)(ADMItemRef item, ADMDrawerRef drawer);
typedef ASBoolean(KW_API* ADMItemTrackProc)(ADMItemRef item, ADMTrackerRef tracker);
typedef void(KW_API* ADMItemNotifyProc)(ADMItemRef item, ADMNotifierRef notifier);

KW_EXTERN_C_END

#endif /* KERFWORKS_HOSTAPI_ADM_CALLBACKS_H */
