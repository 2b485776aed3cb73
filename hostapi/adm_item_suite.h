/* ADM Item Suite: the items of a dialog, their callbacks, pictures, values and texts. */
#ifndef KERFWORKS_HOSTAPI_ADM_ITEM_SUITE_H
#define KERFWORKS_HOSTAPI_ADM_ITEM_SUITE_H

#include "hostapi/adm_callbacks.h"

KW_EXTERN_C_BEGIN

#define kADMItemSuite "ADM Item Suite"
#define kADMItemSuiteVersion 7

/* Items belong to their dialog and die with it. Every function taking a dead or unknown item
 * does nothing and answers null or 0; drawer, tracker and notifier handles live only during the
 * callback they were handed to. */
typedef struct ADMItemSuite {
  /* The dialog the item belongs to. */
  ADMDialogRef(KW_API* GetDialog)(ADMItemRef item);
  /* The item's id from the dialog resource. */
  int32_t(KW_API* GetID)(ADMItemRef item);
  /* Sets the item's style word (the host defines the bits). */
  void(KW_API* SetItemStyle)(ADMItemRef item, int32_t style);
  /* The item's style word. */
  int32_t(KW_API* GetItemStyle)(ADMItemRef item);
  /* Installs (or with null removes) the item's notify callback; without one the host's own
   * handling runs. */
  void(KW_API* SetNotifyProc)(ADMItemRef item, ADMItemNotifyProc proc);
  /* Installs (or with null removes) the item's draw callback. */
  void(KW_API* SetDrawProc)(ADMItemRef item, ADMItemDrawProc proc);
  /* Installs (or with null removes) the item's track callback. */
  void(KW_API* SetTrackProc)(ADMItemRef item, ADMItemTrackProc proc);
  /* The host's own handling of a notification (a modal dialog's OK or Cancel button ends it). */
  void(KW_API* DefaultNotify)(ADMItemRef item, ADMNotifierRef notifier);
  /* The host's own drawing of the item, for a draw callback that passes the event on. */
  void(KW_API* DefaultDraw)(ADMItemRef item, ADMDrawerRef drawer);
  /* The host's own tracking; answers whether the event was handled (false on failure). */
  ASBoolean(KW_API* DefaultTrack)(ADMItemRef item, ADMTrackerRef tracker);
  /* The list of a popup or menu item, owned by the item; null for items without one. */
  ADMListRef(KW_API* GetList)(ADMItemRef item);
  /* Shows the dialog's plug-in's picture resource `pictureId` (nothing shows when there is no
   * such resource); `name` (copied, may be null) labels it. Repaints the item. */
  void(KW_API* SetPictureID)(ADMItemRef item, int32_t pictureId, const char* name);
  /* The picture shown now (0 for none); *name (pointer may be null) is the item's copy or null. */
  void(KW_API* GetPictureID)(ADMItemRef item, int32_t* pictureId, const char** name);
  /* Sets the tooltip to a copy of `tip`. */
  void(KW_API* SetTipString)(ADMItemRef item, const char* tip);
  /* Copies the item's rectangle in its dialog's local coordinates. */
  void(KW_API* GetBoundsRect)(ADMItemRef item, ASRect* bounds);
  /* Moves and sizes the item within its dialog; repaints it. */
  void(KW_API* SetBoundsRect)(ADMItemRef item, const ASRect* bounds);
  /* Asks for a repaint of the item. */
  void(KW_API* Invalidate)(ADMItemRef item);
  /* How a numeric field shows its value (0: plain numbers). */
  void(KW_API* SetUnits)(ADMItemRef item, int32_t units);
  /* Sets a numeric field's value, held within its minimum and maximum. */
  void(KW_API* SetFloatValue)(ADMItemRef item, float value);
  /* A numeric field's value; 0 for a dead item. */
  float(KW_API* GetFloatValue)(ADMItemRef item);
  /* Sets a numeric field's minimum; the value shown is held within the new bounds. */
  void(KW_API* SetMinFloatValue)(ADMItemRef item, float value);
  /* Sets a numeric field's maximum; the value shown is held within the new bounds. */
  void(KW_API* SetMaxFloatValue)(ADMItemRef item, float value);
  /* Copies the item's text into the caller's buffer, cut to fit and terminated. */
  void(KW_API* GetText)(ADMItemRef item, char* buffer, int32_t capacity);
  /* Sets the item's text to a copy of `text`; repaints it. */
  void(KW_API* SetText)(ADMItemRef item, const char* text);
} ADMItemSuite;

KW_EXTERN_C_END

#ifdef KW_STATIC_ASSERT
KW_SUITE_SLOTS(ADMItemSuite, 24);
#endif

#endif /* KERFWORKS_HOSTAPI_ADM_ITEM_SUITE_H */
