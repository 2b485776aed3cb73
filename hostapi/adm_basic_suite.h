/* ADM Basic Suite: strings of the plug-in's resources, alerts, the about box, the palette area. */
#ifndef KERFWORKS_HOSTAPI_ADM_BASIC_SUITE_H
#define KERFWORKS_HOSTAPI_ADM_BASIC_SUITE_H

#include "hostapi/host_types.h"

KW_EXTERN_C_BEGIN

#define kADMBasicSuite "ADM Basic Suite"
#define kADMBasicSuiteVersion 10
/* The version the error alert falls back to when the main table is not held. */
#define kADMBasicSuiteFallbackVersion 2

/* The alerts and the about box are modal: they return once the user has closed them. */
typedef struct ADMBasicSuite {
  /* Reads entry `index` of the plug-in's string list `listId` (the string resource listId + index,
   * in the user's language) into the caller's buffer, cut to fit and terminated. An error code
   * when the entry does not exist; the buffer is then an empty string. */
  ASErr(KW_API* GetIndexedString)(SPPluginRef plugin, int32_t listId, int32_t index, char* buffer,
                                  int32_t capacity);
  /* Sounds the system beep. */
  void(KW_API* Beep)(void);
  /* Shows a modal message box with an OK button; a null text shows nothing. */
  void(KW_API* MessageAlert)(const char* text);
  /* Shows a modal error box with an OK button; a null text shows nothing. */
  void(KW_API* ErrorAlert)(const char* text);
  /* Copies the host's rectangle for floating palettes, in screen coordinates. */
  void(KW_API* GetPaletteLayoutBounds)(ASRect* bounds);
  KwReservedProc reserved6to31[26];
  /* Shows the host's modal about box for the plug-in; nothing for another plug-in's reference. */
  void(KW_API* AboutBox)(SPPluginRef plugin, const char* title, const char* text);
} ADMBasicSuite;

KW_EXTERN_C_END

#ifdef KW_STATIC_ASSERT
KW_SUITE_SLOTS(ADMBasicSuite, 32);
KW_PIN_SLOT(ADMBasicSuite, GetIndexedString, 1);
KW_PIN_SLOT(ADMBasicSuite, ErrorAlert, 4);
KW_PIN_SLOT(ADMBasicSuite, AboutBox, 32);
#endif

#endif /* KERFWORKS_HOSTAPI_ADM_BASIC_SUITE_H */
