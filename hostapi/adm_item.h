/* ADM Item, List, Entry, Notifier and Tracker suites: the items of a dialog and their events. */
#ifndef KERFWORKS_HOSTAPI_ADM_ITEM_H
#define KERFWORKS_HOSTAPI_ADM_ITEM_H

#include "hostapi/adm_callbacks.h"

KW_EXTERN_C_BEGIN

#define kADMItemSuite "ADM Item Suite"
#define kADMItemSuiteVersion 7

typedef struct ADMItemSuite {
  /* The dialog the item belongs to. */
  ADMDialogRef(KW_API* GetDialog)(ADMItemRef item);
  /* The item's id from the dialog resource. */
  int32_t(KW_API* GetID)(ADMItemRef item);
  /* The item's style word (the host defines the bits). */
  void(KW_API* SetItemStyle)(ADMItemRef item, int32_t style);
  int32_t(KW_API* GetItemStyle)(ADMItemRef item);
  /* Installs (or with null removes) the item's callbacks. */
  void(KW_API* SetNotifyProc)(ADMItemRef item, ADMItemNotifyProc proc);
  void(KW_API* SetDrawProc)(ADMItemRef item, ADMItemDrawProc proc);
  void(KW_API* SetTrackProc)(ADMItemRef item, ADMItemTrackProc proc);
  /* The host's own handling, for callbacks that pass an event on (a button's default notify
   * ends a modal dialog when the button is OK or Cancel). */
  void(KW_API* DefaultNotify)(ADMItemRef item, ADMNotifierRef notifier);
  void(KW_API* DefaultDraw)(ADMItemRef item, ADMDrawerRef drawer);
  ASBoolean(KW_API* DefaultTrack)(ADMItemRef item, ADMTrackerRef tracker);
  /* The list of a popup or menu item; null for items without one. */
  ADMListRef(KW_API* GetList)(ADMItemRef item);
  /* Shows picture resource `pictureId` of the dialog's plug-in; `name` labels it. */
  void(KW_API* SetPictureID)(ADMItemRef item, int32_t pictureId, const char* name);
  /* The picture shown now (name owned by the host, may be null). */
  void(KW_API* GetPictureID)(ADMItemRef item, int32_t* pictureId, const char** name);
  /* Sets the tooltip; the host copies the text. */
  void(KW_API* SetTipString)(ADMItemRef item, const char* tip);
  /* The item's rectangle in its dialog's local coordinates. */
  void(KW_API* GetBoundsRect)(ADMItemRef item, ASRect* bounds);
  void(KW_API* SetBoundsRect)(ADMItemRef item, const ASRect* bounds);
  /* Asks for a repaint of the item. */
  void(KW_API* Invalidate)(ADMItemRef item);
  /* How a numeric field shows its value (0: plain numbers). */
  void(KW_API* SetUnits)(ADMItemRef item, int32_t units);
  /* A numeric field's value; the host holds it within the bounds below. */
  void(KW_API* SetFloatValue)(ADMItemRef item, float value);
  float(KW_API* GetFloatValue)(ADMItemRef item);
  void(KW_API* SetMinFloatValue)(ADMItemRef item, float value);
  void(KW_API* SetMaxFloatValue)(ADMItemRef item, float value);
  /* The item's text, cut to fit and terminated. */
  void(KW_API* GetText)(ADMItemRef item, char* buffer, int32_t capacity);
  /* Sets the item's text; the host copies it. */
  void(KW_API* SetText)(ADMItemRef item, const char* text);
} ADMItemSuite;

#define kADMListSuite "ADM List Suite"
#define kADMListSuiteVersion 1

typedef struct ADMListSuite {
  /* Fills the list with the entries of the plug-in's menu resource `menuId`. */
  void(KW_API* SetMenuID)(ADMListRef list, int32_t menuId);
  /* The chosen entry, or null. */
  ADMEntryRef(KW_API* GetActiveEntry)(ADMListRef list);
  /* The entry at `index`, or null. */
  ADMEntryRef(KW_API* IndexEntry)(ADMListRef list, int32_t index);
  /* The number of entries. */
  int32_t(KW_API* NumberOfEntries)(ADMListRef list);
} ADMListSuite;

#define kADMEntrySuite "ADM Entry Suite"
#define kADMEntrySuiteVersion 2

typedef struct ADMEntrySuite {
  /* The entry's position in its list. */
  int32_t(KW_API* GetIndex)(ADMEntryRef entry);
  /* Makes the entry the chosen one (or not). */
  void(KW_API* Select)(ADMEntryRef entry, ASBoolean select);
  ASBoolean(KW_API* IsSelected)(ADMEntryRef entry);
  /* The entry's text, cut to fit and terminated. */
  void(KW_API* GetText)(ADMEntryRef entry, char* buffer, int32_t capacity);
  /* The entry's menu id. */
  int32_t(KW_API* GetID)(ADMEntryRef entry);
} ADMEntrySuite;

#define kADMNotifierSuite "ADM Notifier Suite"
#define kADMNotifierSuiteVersion 2

typedef struct ADMNotifierSuite {
  /* Whether the notification is of `type` (for example "ADM User Changed Notifier"). */
  ASBoolean(KW_API* IsNotifierType)(ADMNotifierRef notifier, const char* type);
  /* The item the notification is about, or null for the dialog itself. */
  ADMItemRef(KW_API* GetItem)(ADMNotifierRef notifier);
  /* The dialog the notification is about. */
  ADMDialogRef(KW_API* GetDialog)(ADMNotifierRef notifier);
  /* The type name, cut to fit and terminated. */
  void(KW_API* GetNotifierType)(ADMNotifierRef notifier, char* buffer, int32_t capacity);
} ADMNotifierSuite;

#define kADMTrackerSuite "ADM Tracker Suite"
#define kADMTrackerSuiteVersion 2

typedef struct ADMTrackerSuite {
  /* Where the event happened, in the item's coordinates. */
  void(KW_API* GetPoint)(ADMTrackerRef tracker, ASPoint* point);
  /* The kind of event (the host defines the codes). */
  int32_t(KW_API* GetAction)(ADMTrackerRef tracker);
  /* Stops tracking the current event. */
  void(KW_API* Abort)(ADMTrackerRef tracker);
} ADMTrackerSuite;

KW_EXTERN_C_END

#endif /* KERFWORKS_HOSTAPI_ADM_ITEM_H */
