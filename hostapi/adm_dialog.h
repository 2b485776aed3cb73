/* ADM Dialog Suite and ADM Dialog Group Suite: host dialogs, modal runs, palettes and docking. */
#ifndef KERFWORKS_HOSTAPI_ADM_DIALOG_H
#define KERFWORKS_HOSTAPI_ADM_DIALOG_H

#include "hostapi/adm_callbacks.h"

KW_EXTERN_C_BEGIN

#define kADMDialogSuite "ADM Dialog Suite"
#define kADMDialogSuiteVersion 10

/* Dialog styles. */
enum { kADMModalDialogStyle = 0, kADMTabbedResizingFloatingDialogStyle = 5 };
/* The palette's flyout menu is this pseudo item of a palette. */
enum { kADMMenuItemID = -5 };

typedef struct ADMDialogSuite {
  /* Creates a non-modal dialog from the plug-in's dialog resource; the host calls `initProc`
   * before returning. Null when it cannot be built or `initProc` fails. The host owns the dialog;
   * the plug-in ends it with Destroy. */
  ADMDialogRef(KW_API* Create)(SPPluginRef plugin, const char* name, int32_t dialogId,
                               int32_t style, ADMDialogInitProc initProc, ADMUserData userData,
                               int32_t options);
  /* Destroys a dialog: its destroy callback runs first. */
  void(KW_API* Destroy)(ADMDialogRef dialog);
  /* Runs a modal dialog until an item ends it; returns that item's id (-1 when it cannot run).
   * The dialog is destroyed before this returns. `initProc` may be null. */
  int32_t(KW_API* Modal)(SPPluginRef plugin, const char* name, int32_t dialogId, int32_t style,
                         ADMDialogInitProc initProc, ADMUserData userData, int32_t options);
  /* As Modal, for a pop-up modal dialog. */
  int32_t(KW_API* PopupModal)(SPPluginRef plugin, const char* name, int32_t dialogId,
                              ADMDialogInitProc initProc, ADMUserData userData, int32_t options);
  /* Installs (or with null removes) the dialog's callbacks. */
  void(KW_API* SetDrawProc)(ADMDialogRef dialog, ADMDialogDrawProc proc);
  void(KW_API* SetNotifyProc)(ADMDialogRef dialog, ADMDialogNotifyProc proc);
  void(KW_API* SetTrackProc)(ADMDialogRef dialog, ADMDialogTrackProc proc);
  void(KW_API* SetDestroyProc)(ADMDialogRef dialog, ADMDialogDestroyProc proc);
  /* The host's own handling, for callbacks that pass an event on. */
  void(KW_API* DefaultDraw)(ADMDialogRef dialog, ADMDrawerRef drawer);
  ASBoolean(KW_API* DefaultTrack)(ADMDialogRef dialog, ADMTrackerRef tracker);
  void(KW_API* DefaultNotify)(ADMDialogRef dialog, ADMNotifierRef notifier);
  /* The plug-in's pointer kept with the dialog. */
  void(KW_API* SetUserData)(ADMDialogRef dialog, ADMUserData userData);
  ADMUserData(KW_API* GetUserData)(ADMDialogRef dialog);
  /* The plug-in that created the dialog. */
  SPPluginRef(KW_API* GetPluginRef)(ADMDialogRef dialog);
  /* The dialog's item with `itemId`, or null. */
  ADMItemRef(KW_API* GetItem)(ADMDialogRef dialog, int32_t itemId);
  /* The dialog's rectangle in screen coordinates. */
  void(KW_API* GetBoundsRect)(ADMDialogRef dialog, ASRect* bounds);
  void(KW_API* SetBoundsRect)(ADMDialogRef dialog, const ASRect* bounds);
  /* The dialog's own area: (0, 0, width, height). */
  void(KW_API* GetLocalRect)(ADMDialogRef dialog, ASRect* local);
  /* Size constraints the host enforces when the user resizes. */
  void(KW_API* SetMinWidth)(ADMDialogRef dialog, int32_t width);
  void(KW_API* SetMinHeight)(ADMDialogRef dialog, int32_t height);
  void(KW_API* SetMaxWidth)(ADMDialogRef dialog, int32_t width);
  void(KW_API* SetMaxHeight)(ADMDialogRef dialog, int32_t height);
  void(KW_API* SetHorizontalIncrement)(ADMDialogRef dialog, int32_t increment);
  void(KW_API* SetVerticalIncrement)(ADMDialogRef dialog, int32_t increment);
  /* Sets the dialog's icon for an icon state (0 normal, 1 highlighted); the dialog takes ownership
   * of the icon and destroys it with itself. */
  void(KW_API* SetIcon)(ADMDialogRef dialog, int32_t iconState, ADMIconRef icon);
  /* The name the dialog was created with, owned by the host. */
  const char*(KW_API* GetDialogName)(ADMDialogRef dialog);
  /* Asks for a repaint of the whole dialog. */
  void(KW_API* Invalidate)(ADMDialogRef dialog);
  /* Ends a modal run with `itemId` as its result. */
  void(KW_API* EndModal)(ADMDialogRef dialog, int32_t itemId, ASBoolean cancelling);
  KwReservedProc reserved29to31[3];
  /* Shows or hides the dialog. */
  void(KW_API* Show)(ADMDialogRef dialog, ASBoolean show);
  /* Whether the dialog is shown. */
  ASBoolean(KW_API* IsVisible)(ADMDialogRef dialog);
} ADMDialogSuite;

#define kADMDialogGroupSuite "ADM Dialog Group Suite"
#define kADMDialogGroupSuiteVersion 6

typedef struct ADMDialogGroupSuite {
  /* The dock group the dialog belongs to (name owned by the host) and its position code. */
  ASErr(KW_API* GetDialogGroupInfo)(ADMDialogRef dialog, const char** groupName,
                                    int32_t* positionCode);
  /* Places the dialog into dock group `groupName` at `positionCode`; the host copies the name. */
  ASErr(KW_API* SetDialogGroupInfo)(ADMDialogRef dialog, const char* groupName,
                                    int32_t positionCode);
} ADMDialogGroupSuite;

KW_EXTERN_C_END

#ifdef __cplusplus
KW_PIN_SLOT(ADMDialogSuite, Show, 32);
KW_PIN_SLOT(ADMDialogSuite, IsVisible, 33);
#endif

#endif /* KERFWORKS_HOSTAPI_ADM_DIALOG_H */
