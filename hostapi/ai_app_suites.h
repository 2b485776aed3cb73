/* Suites of the drawing application itself that are not about art: notifiers, application
 * contexts, menus, host strings, preferences, the plug-in record and the runtime. */
#ifndef KERFWORKS_HOSTAPI_AI_APP_SUITES_H
#define KERFWORKS_HOSTAPI_AI_APP_SUITES_H

#include "hostapi/host_types.h"

KW_EXTERN_C_BEGIN

#define kAINotifierSuite "AI Notifier Suite"
#define kAINotifierSuiteVersion 2

typedef struct AINotifierSuite {
  /* Registers a notifier of `type` named `name`; its messages reach the plug-in with caller
   * "AI Notifier". *notifier may be null when the handle is not wanted. The host owns it. */
  AIErr(KW_API* AddNotifier)(SPPluginRef plugin, const char* name, const char* type,
                             AINotifierHandle* notifier);
  /* Switches a notifier on or off. */
  AIErr(KW_API* SetNotifierActive)(AINotifierHandle notifier, AIBoolean active);
} AINotifierSuite;

#define kAIContextSuite "AI Context Suite"
#define kAIContextSuiteVersion 4

typedef struct AIContextSuite {
  /* Whether the host is inside an application context right now. */
  AIErr(KW_API* IsInAppContext)(AIBoolean* inContext);
  /* Opens an application context for the plug-in's work on the document; pair with Pop. */
  AIErr(KW_API* PushAppContext)(SPPluginRef plugin, AIAppContextHandle* context);
  /* Closes the context from PushAppContext; contexts close in reverse order. */
  AIErr(KW_API* PopAppContext)(AIAppContextHandle context);
} AIContextSuite;

#define kAIUnicodeStringSuite "AI Unicode String Suite"
#define kAIUnicodeStringSuiteVersion 6

enum { kAIPlatformCharacterEncoding = 0, kAIUTF8CharacterEncoding = 1 };

typedef struct AIUnicodeStringSuite {
  /* Makes a host string from `text` in `encoding`; the caller owns *string until Dispose. */
  AIErr(KW_API* Initialize)(AIUnicodeStringHandle* string, const char* text, int32_t encoding);
  /* Frees a host string; null is ignored. */
  AIErr(KW_API* Dispose)(AIUnicodeStringHandle string);
  /* Copies the string as UTF-8 into buffer, cut to fit and terminated. */
  AIErr(KW_API* GetUTF8)(AIUnicodeStringHandle string, char* buffer, int32_t capacity);
} AIUnicodeStringSuite;

#define kAIMenuSuite "AI Menu Suite"
#define kAIMenuSuiteVersion 9

/* What AddMenuItem needs to place an item: the host copies both. */
typedef struct AIPlatformAddMenuItemData {
  const char* groupName;
  AIUnicodeStringHandle itemText;
} AIPlatformAddMenuItemData;

typedef struct AIMenuSuite {
  /* Adds a menu item; choosing it sends "AI Menu"/"AI Go", showing the menu "AI Menu"/"AI Update"
   * when `options` asks for updates (1). The host owns *item. */
  AIErr(KW_API* AddMenuItem)(SPPluginRef plugin, const char* name,
                             const AIPlatformAddMenuItemData* data, int32_t options,
                             AIMenuItemHandle* item);
  KwReservedProc reserved2to14[13];
  /* Replaces the item's text; the host copies the string. */
  AIErr(KW_API* SetItemText)(AIMenuItemHandle item, AIUnicodeStringHandle text);
  /* The item's text as a new host string owned by the caller. */
  AIErr(KW_API* GetItemText)(AIMenuItemHandle item, AIUnicodeStringHandle* text);
  /* Shows or clears the item's check mark. */
  AIErr(KW_API* CheckItem)(AIMenuItemHandle item, AIBoolean checked);
} AIMenuSuite;

#define kAIPreferenceSuite "AI Preference Suite"
#define kAIPreferenceSuiteVersion 4

/* Preferences live in sections (`prefix`) under keys (`suffix`), each key holding one typed value.
 * A read of a missing key returns 0 and leaves the value untouched, so the caller's default stays;
 * a read of a key stored with another type fails and leaves it untouched too. */
typedef struct AIPreferenceSuite {
  /* Reads a boolean. */
  AIErr(KW_API* GetBooleanPreference)(const char* prefix, const char* suffix, AIBoolean* value);
  /* Stores a boolean. */
  AIErr(KW_API* PutBooleanPreference)(const char* prefix, const char* suffix, AIBoolean value);
  /* Reads a 32-bit integer. */
  AIErr(KW_API* GetIntegerPreference)(const char* prefix, const char* suffix, int32_t* value);
  /* Stores a 32-bit integer. */
  AIErr(KW_API* PutIntegerPreference)(const char* prefix, const char* suffix, int32_t value);
  /* Reads a real. */
  AIErr(KW_API* GetRealPreference)(const char* prefix, const char* suffix, AIReal* value);
  /* Stores a real. */
  AIErr(KW_API* PutRealPreference)(const char* prefix, const char* suffix, AIReal value);
  /* Copies at most `capacity` bytes of a stored string; a stored string that does not fit is cut
   * and then carries no terminator, so callers terminate the buffer themselves. */
  AIErr(KW_API* GetStringPreference)(const char* prefix, const char* suffix, char* buffer,
                                     int32_t capacity);
  /* Stores a string; the host copies it. */
  AIErr(KW_API* PutStringPreference)(const char* prefix, const char* suffix, const char* value);
  /* Reads a point (two 32-bit integers). */
  AIErr(KW_API* GetPointPreference)(const char* prefix, const char* suffix, ASPoint* value);
  /* Stores a point. */
  AIErr(KW_API* PutPointPreference)(const char* prefix, const char* suffix, const ASPoint* value);
} AIPreferenceSuite;

#define kAIPluginSuite "AI Plugin Suite"
#define kAIPluginSuiteVersion 3

typedef struct AIPluginSuite {
  /* The plug-in's options word. */
  AIErr(KW_API* GetPluginOptions)(SPPluginRef plugin, int32_t* options);
  /* Sets the plug-in's options word (the host defines the bits). */
  AIErr(KW_API* SetPluginOptions)(SPPluginRef plugin, int32_t options);
} AIPluginSuite;

#define kAIRuntimeSuite "AI Runtime Suite"
#define kAIRuntimeSuiteVersion 10

typedef struct AIRuntimeSuite {
  /* The host application's name, owned by the host. */
  AIErr(KW_API* GetAppName)(const char** name);
  /* The host application's major version number. */
  AIErr(KW_API* GetAppMajorVersion)(int32_t* major);
} AIRuntimeSuite;

KW_EXTERN_C_END

#ifdef __cplusplus
KW_PIN_SLOT(AINotifierSuite, AddNotifier, 1);
KW_PIN_SLOT(AIContextSuite, PushAppContext, 2);
KW_PIN_SLOT(AIContextSuite, PopAppContext, 3);
KW_PIN_SLOT(AIMenuSuite, AddMenuItem, 1);
KW_PIN_SLOT(AIMenuSuite, SetItemText, 15);
KW_PIN_SLOT(AIMenuSuite, CheckItem, 17);
KW_PIN_SLOT(AIPluginSuite, SetPluginOptions, 2);
#endif

#endif /* KERFWORKS_HOSTAPI_AI_APP_SUITES_H */
