/* ADM Dialog Suite: host dialogs built from the plug-in's dialog resources, modal runs, palettes.
 */
#ifndef KERFWORKS_HOSTAPI_ADM_DIALOG_SUITE_H
#define KERFWORKS_HOSTAPI_ADM_DIALOG_SUITE_H

#include "hostapi/adm_callbacks.h"

KW_EXTERN_C_BEGIN

#define kADMDialogSuite "ADM Dialog Suite"
#define kADMDialogSuiteVersion 10

/* Dialog styles. */
enum { kADMModalDialogStyle = 0, kADMTabbedResizingFloatingDialogStyle = 5 };
/* The palette's flyout menu is this pseudo item of a palette. */
enum { kADMMenuItemID = -5 };

/* A dialog handle lives from Create until Destroy (a modal one for its run only). Every function
 * taking a dead or unknown dialog does nothing and answers null, 0 or false. Drawer, tracker and
 * notifier handles live only during the callback they were handed to. */
typedef struct ADMDialogSuite {
  /* Creates a non-modal dialog from the plug-in's dialog resource `dialogId` and calls `initProc`
   * (may be null) before returning; null when it cannot be built or `initProc` fails. The host
   * owns the dialog; the plug-in ends it with Destroy. */
  ADMDialogRef(KW_API* Create)(SPPluginRef plugin, const char* name, int32_t dialogId,
                               int32_t style, ADMDialogInitProc initProc, ADMUserData userData,
                               int32_t options);
  /* Destroys a dialog, its items, lists and icons: its destroy callback runs first. Not from
   * within that callback. */
  void(KW_API* Destroy)(ADMDialogRef dialog);
  /* Runs a modal dialog until EndModal or an OK or Cancel button ends it; answers that item's id,
   * -1 when it cannot run. `initProc` may be null. The dialog is destroyed before this returns. */
  int32_t(KW_API* Modal)(SPPluginRef plugin, const char* name, int32_t dialogId, int32_t style,
                         ADMDialogInitProc initProc, ADMUserData userData, int32_t options);
  /* As Modal, for a pop-up modal dialog (always the modal style). */
  int32_t(KW_API* PopupModal)(SPPluginRef plugin, const char* name, int32_t dialogId,
                              ADMDialogInitProc initProc, ADMUserData userData, int32_t options);
  /* Installs (or with null removes) the dialog's draw callback. */
  void(KW_API* SetDrawProc)(ADMDialogRef dialog, ADMDialogDrawProc proc);
  /* Installs (or with null removes) the dialog's notify callback. */
  void(KW_API* SetNotifyProc)(ADMDialogRef dialog, ADMDialogNotifyProc proc);
  /* Installs (or with null removes) the dialog's track callback. */
  void(KW_API* SetTrackProc)(ADMDialogRef dialog, ADMDialogTrackProc proc);
  /* Installs (or with null removes) the callback run when the dialog is destroyed. */
  void(KW_API* SetDestroyProc)(ADMDialogRef dialog, ADMDialogDestroyProc proc);
  /* The host's own drawing, for a draw callback that passes the event on. */
  void(KW_API* DefaultDraw)(ADMDialogRef dialog, ADMDrawerRef drawer);
  /* The host's own tracking, for a track callback; answers whether the event was handled. */
  ASBoolean(KW_API* DefaultTrack)(ADMDialogRef dialog, ADMTrackerRef tracker);
  /* The host's own handling, for a notify callback that passes the event on. */
  void(KW_API* DefaultNotify)(ADMDialogRef dialog, ADMNotifierRef notifier);
  /* Keeps the plug-in's pointer with the dialog; the host never reads or frees it. */
  void(KW_API* SetUserData)(ADMDialogRef dialog, ADMUserData userData);
  /* The pointer given at creation or by SetUserData. */
  ADMUserData(KW_API* GetUserData)(ADMDialogRef dialog);
  /* The plug-in that created the dialog. */
  SPPluginRef(KW_API* GetPluginRef)(ADMDialogRef dialog);
  /* The dialog's item with `itemId`, owned by the dialog; null when it has none. */
  ADMItemRef(KW_API* GetItem)(ADMDialogRef dialog, int32_t itemId);
  /* Copies the dialog's rectangle in screen coordinates. */
  void(KW_API* GetBoundsRect)(ADMDialogRef dialog, ASRect* bounds);
  /* Moves and sizes the dialog to a rectangle in screen coordinates. */
  void(KW_API* SetBoundsRect)(ADMDialogRef dialog, const ASRect* bounds);
  /* Copies the dialog's own area: (0, 0, width, height). */
  void(KW_API* GetLocalRect)(ADMDialogRef dialog, ASRect* local);
  /* The least width the user may size the dialog to (>= 0, else ignored). */
  void(KW_API* SetMinWidth)(ADMDialogRef dialog, int32_t width);
  /* The least height the user may size the dialog to (>= 0, else ignored). */
  void(KW_API* SetMinHeight)(ADMDialogRef dialog, int32_t height);
  /* The greatest width the user may size the dialog to (>= 0, else ignored). */
  void(KW_API* SetMaxWidth)(ADMDialogRef dialog, int32_t width);
  /* The greatest height the user may size the dialog to (>= 0, else ignored). */
  void(KW_API* SetMaxHeight)(ADMDialogRef dialog, int32_t height);
  /* The step in which the user sizes the width (>= 1, else ignored). */
  void(KW_API* SetHorizontalIncrement)(ADMDialogRef dialog, int32_t increment);
  /* The step in which the user sizes the height (>= 1, else ignored). */
  void(KW_API* SetVerticalIncrement)(ADMDialogRef dialog, int32_t increment);
  /* Sets the dialog's icon for an icon state (0 normal, 1 highlighted); the dialog takes the icon
   * over, frees one it replaces, and destroys it with itself. */
  void(KW_API* SetIcon)(ADMDialogRef dialog, int32_t iconState, ADMIconRef icon);
  /* The name the dialog was created with, owned by the dialog. */
  const char*(KW_API* GetDialogName)(ADMDialogRef dialog);
  /* Asks for a repaint of the whole dialog and its items. */
  void(KW_API* Invalidate)(ADMDialogRef dialog);
  /* Ends a modal run with `itemId` as its result (the first end wins); ignored for a non-modal
   * dialog. */
  void(KW_API* EndModal)(ADMDialogRef dialog, int32_t itemId, ASBoolean cancelling);
  KwReservedProc reserved29to31[3];
  /* Shows or hides the dialog. */
  void(KW_API* Show)(ADMDialogRef dialog, ASBoolean show);
  /* Whether the dialog is shown; false for a dead dialog. */
  ASBoolean(KW_API* IsVisible)(ADMDialogRef dialog);
} ADMDialogSuite;

KW_EXTERN_C_END

#ifdef KW_STATIC_ASSERT
KW_SUITE_SLOTS(ADMDialogSuite, 33);
KW_PIN_SLOT(ADMDialogSuite, Show, 32);
KW_PIN_SLOT(ADMDialogSuite, IsVisible, 33);
#endif

#endif /* KERFWORKS_HOSTAPI_ADM_DIALOG_SUITE_H */
