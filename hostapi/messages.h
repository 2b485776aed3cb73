/* The entry point, the message records the host passes to it, and the host's caller, selector and
 * notifier-type strings. */
#ifndef KERFWORKS_HOSTAPI_MESSAGES_H
#define KERFWORKS_HOSTAPI_MESSAGES_H

#include "hostapi/sp_basic_suite.h"

KW_EXTERN_C_BEGIN

/* The plain record every message starts with. Owned by the host; valid during the call only,
 * except `globals`, which the host keeps for the plug-in between calls. */
typedef struct SPMessageData {
  int32_t check;            /* host's own marker; unused by the plug-in */
  SPPluginRef pluginRef;    /* this plug-in, passed back in most suite calls */
  void* globals;            /* the plug-in's object, or null */
  SPBasicSuite* basicSuite; /* acquisition and memory blocks */
} SPMessageData;

/* Caller "AI Notifier": the notifier that fired and its type name. */
typedef struct AINotifierMessage {
  SPMessageData d;
  AINotifierHandle notifier;
  const char* notifierType; /* zero-terminated, owned by the host */
  void* notifyData;         /* type-specific; unused by the plug-in */
} AINotifierMessage;

/* Caller "AI Menu": the menu item concerned. */
typedef struct AIMenuMessage {
  SPMessageData d;
  AIMenuItemHandle menuItem;
} AIMenuMessage;

/* The plug-in's one export: caller and selector are zero-terminated, message points to one of
 * the records above. Returns the result code of the message. */
typedef ASErr(KW_API* PluginMainProc)(const char* caller, const char* selector, void* message);
#define KW_PLUGIN_MAIN_NAME "PluginMain"

KW_EXTERN_C_END

/* The strings are arrays of the same names in C and C++ (there in namespace hostapi), so that
 * both can compare against them and take their size. */
#ifdef __cplusplus
#define KW_HOST_STRING(name, text) inline constexpr char name[] = text
namespace hostapi {
#else
#define KW_HOST_STRING(name, text) static const char name[] = text
#endif

/* Callers, each followed by its selectors. */
KW_HOST_STRING(kSPInterfaceCaller, "SP Interface");
KW_HOST_STRING(kSPStartupSelector, "Startup");
KW_HOST_STRING(kSPShutdownSelector, "Shutdown");
KW_HOST_STRING(kSPAboutSelector, "About");
KW_HOST_STRING(kSPAccessCaller, "SP Access");
KW_HOST_STRING(kSPUnloadSelector, "Unload");
KW_HOST_STRING(kSPReloadSelector, "Reload");
KW_HOST_STRING(kSPCacheCaller, "SP Cache");
KW_HOST_STRING(kSPPurgeSelector, "Plug-in Purge");
KW_HOST_STRING(kSPPropertiesCaller, "SP Properties");
KW_HOST_STRING(kSPAcquireSelector, "Acquire");
KW_HOST_STRING(kSPReleaseSelector, "Release");
KW_HOST_STRING(kAINotifierCaller, "AI Notifier");
KW_HOST_STRING(kAINotifySelector, "AI Notify");
KW_HOST_STRING(kActionManagerCaller, "Action Manager");
KW_HOST_STRING(kDoActionSelector, "Do Action");
KW_HOST_STRING(kAIMenuCaller, "AI Menu");
KW_HOST_STRING(kAIGoSelector, "AI Go");
KW_HOST_STRING(kAIUpdateSelector, "AI Update");
KW_HOST_STRING(kAIFilterCaller, "AI Filter");
KW_HOST_STRING(kAIGetParametersSelector, "AI Get Parameters");
KW_HOST_STRING(kAIPluginGroupCaller, "AI Plugin Group");
KW_HOST_STRING(kAINotifyEditsSelector, "AI Notify Edits");
KW_HOST_STRING(kAIFileFormatCaller, "AI File Format");
KW_HOST_STRING(kAICheckSelector, "AI Check");
KW_HOST_STRING(kAIUpdateAI140Selector, "AI Update AI140");
KW_HOST_STRING(kAIToolCaller, "AI Tool");
KW_HOST_STRING(kAIEditOptionsSelector, "AI Edit Options");
KW_HOST_STRING(kAITrackCursorSelector, "AI Track Cursor");
KW_HOST_STRING(kAIMouseDownSelector, "AI Mouse Down");
KW_HOST_STRING(kAIMouseDragSelector, "AI Mouse Drag");
KW_HOST_STRING(kAIMouseUpSelector, "AI Mouse Up");
KW_HOST_STRING(kAISelectSelector, "AI Select");
KW_HOST_STRING(kAIDeselectSelector, "AI Deselect");
KW_HOST_STRING(kAIReselectSelector, "AI Reselect");
KW_HOST_STRING(kAIDecreaseDiameterSelector, "AI Decrease Diameter");
KW_HOST_STRING(kAIIncreaseDiameterSelector, "AI Increase Diameter");
KW_HOST_STRING(kAILiveEffectCaller, "AI Live Effect");
KW_HOST_STRING(kAILiveEffectEditParametersSelector, "AI Live Effect Edit Parameters");
KW_HOST_STRING(kAILiveEffectGoLiveSelector, "AI Live Effect Go Live");
KW_HOST_STRING(kAILiveEffectInterpolateSelector, "AI Live Effect Interpolate Parameters");
KW_HOST_STRING(kAILiveEffectInputTypeSelector, "AI Live Effect Input Type");
KW_HOST_STRING(kAILiveEffectScaleParametersSelector, "AI Live Effect Scale Parameters");
KW_HOST_STRING(kAILiveEffectConvertColorSpaceSelector, "AI Live Effect Convert Color Space");
KW_HOST_STRING(kAILiveEffectAdjustColorsSelector, "AI Live Effect Adjust Colors");
KW_HOST_STRING(kAILiveEffectHandleMergeSelector, "AI Live Effect Handle Merge");
KW_HOST_STRING(kAITimerCaller, "AI Timer");
KW_HOST_STRING(kAIClipboardCaller, "AI Clipboard");
KW_HOST_STRING(kAICanCopySelector, "AI Can Copy");
KW_HOST_STRING(kAICloneSelector, "AI Clone");
KW_HOST_STRING(kAIDisposeSelector, "AI Dispose");
KW_HOST_STRING(kWorkspaceManagerCaller, "Workspace Manager");
/* The host spells these three selectors so. */
KW_HOST_STRING(kWorkspaceWriteSelector, "Write Woskspace");
KW_HOST_STRING(kWorkspaceRestoreSelector, "Restore Woskspace");
KW_HOST_STRING(kWorkspaceDefaultSelector, "Default Woskspace");

/* Notifier types: the host's (caller "AI Notifier"), then those of dialog and item callbacks. */
KW_HOST_STRING(kAIApplicationStartedNotifier, "AI Application Started Notifier");
KW_HOST_STRING(kAIApplicationShutdownNotifier, "AI Application Shutdown Notifier");
KW_HOST_STRING(kAIArtSelectionChangedNotifier, "AI Art Selection Changed Notifier");
KW_HOST_STRING(kADMUserChangedNotifier, "ADM User Changed Notifier");
KW_HOST_STRING(kADMBoundsChangedNotifier, "ADM Bounds Changed Notifier");

#ifdef __cplusplus
}  // namespace hostapi
#endif
#undef KW_HOST_STRING

#endif /* KERFWORKS_HOSTAPI_MESSAGES_H */
