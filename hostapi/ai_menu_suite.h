/* AI Menu Suite: the plug-in's items in the host's menus. */
#ifndef KERFWORKS_HOSTAPI_AI_MENU_SUITE_H
#define KERFWORKS_HOSTAPI_AI_MENU_SUITE_H

#include "hostapi/host_types.h"

KW_EXTERN_C_BEGIN

#define kAIMenuSuite "AI Menu Suite"
#define kAIMenuSuiteVersion 9

/* What AddMenuItem needs to place an item: the host copies both. */
typedef struct AIPlatformAddMenuItemData {
  const char* groupName;
  AIUnicodeStringHandle itemText;
} AIPlatformAddMenuItemData;

/* Menu items belong to the host until the plug-in is shut down; a removed or unknown item, or a
 * host string the host did not make, answers kBadParameterErr. */
typedef struct AIMenuSuite {
  /* Adds item `name` (once per name) to `data->groupName` with `data->itemText`; choosing it
   * sends "AI Menu"/"AI Go", showing the menu "AI Menu"/"AI Update" when `options` asks for
   * updates (1). *item may be null when not wanted. */
  AIErr(KW_API* AddMenuItem)(SPPluginRef plugin, const char* name,
                             const AIPlatformAddMenuItemData* data, int32_t options,
                             AIMenuItemHandle* item);
  KwReservedProc reserved2to14[13];
  /* Replaces the item's text with a copy of the host string, which stays the caller's. */
  AIErr(KW_API* SetItemText)(AIMenuItemHandle item, AIUnicodeStringHandle text);
  /* The item's text as a new host string, the caller's until the string suite's Dispose. */
  AIErr(KW_API* GetItemText)(AIMenuItemHandle item, AIUnicodeStringHandle* text);
  /* Shows or clears the item's check mark. */
  AIErr(KW_API* CheckItem)(AIMenuItemHandle item, AIBoolean checked);
} AIMenuSuite;

KW_EXTERN_C_END

#ifdef KW_STATIC_ASSERT
KW_SUITE_SLOTS(AIMenuSuite, 17);
KW_PIN_SLOT(AIMenuSuite, AddMenuItem, 1);
KW_PIN_SLOT(AIMenuSuite, SetItemText, 15);
KW_PIN_SLOT(AIMenuSuite, CheckItem, 17);
#endif

#endif /* KERFWORKS_HOSTAPI_AI_MENU_SUITE_H */
