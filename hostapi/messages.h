/* The entry point, the message records the host passes to it, and the host's caller, selector and
 * notifier-type strings. */
#ifndef KERFWORKS_HOSTAPI_MESSAGES_H
#define KERFWORKS_HOSTAPI_MESSAGES_H

#include "hostapi/sp_basic.h"

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

#ifdef __cplusplus
namespace hostapi {

inline constexpr const char kSPInterfaceCaller[] = "SP Interface";
inline constexpr const char kSPStartupSelector[] = "Startup";
inline constexpr const char kSPShutdownSelector[] = "Shutdown";
inline constexpr const char kSPAboutSelector[] = "About";
inline constexpr const char kSPAccessCaller[] = "SP Access";
inline constexpr const char kSPUnloadSelector[] = "Unload";
inline constexpr const char kSPReloadSelector[] = "Reload";
inline constexpr const char kSPCacheCaller[] = "SP Cache";
inline constexpr const char kSPPurgeSelector[] = "Plug-in Purge";
inline constexpr const char kSPPropertiesCaller[] = "SP Properties";
inline constexpr const char kSPAcquireSelector[] = "Acquire";
inline constexpr const char kSPReleaseSelector[] = "Release";
inline constexpr const char kAINotifierCaller[] = "AI Notifier";
inline constexpr const char kAINotifySelector[] = "AI Notify";
inline constexpr const char kActionManagerCaller[] = "Action Manager";
inline constexpr const char kDoActionSelector[] = "Do Action";
inline constexpr const char kAIMenuCaller[] = "AI Menu";
inline constexpr const char kAIGoSelector[] = "AI Go";
inline constexpr const char kAIUpdateSelector[] = "AI Update";
inline constexpr const char kAIFilterCaller[] = "AI Filter";
inline constexpr const char kAIGetParametersSelector[] = "AI Get Parameters";
inline constexpr const char kAIPluginGroupCaller[] = "AI Plugin Group";
inline constexpr const char kAINotifyEditsSelector[] = "AI Notify Edits";
inline constexpr const char kAIFileFormatCaller[] = "AI File Format";
inline constexpr const char kAICheckSelector[] = "AI Check";
inline constexpr const char kAIUpdateAI140Selector[] = "AI Update AI140";
inline constexpr const char kAIToolCaller[] = "AI Tool";
inline constexpr const char kAIEditOptionsSelector[] = "AI Edit Options";
inline constexpr const char kAITrackCursorSelector[] = "AI Track Cursor";
inline constexpr const char kAIMouseDownSelector[] = "AI Mouse Down";
inline constexpr const char kAIMouseDragSelector[] = "AI Mouse Drag";
inline constexpr const char kAIMouseUpSelector[] = "AI Mouse Up";
inline constexpr const char kAISelectSelector[] = "AI Select";
inline constexpr const char kAIDeselectSelector[] = "AI Deselect";
inline constexpr const char kAIReselectSelector[] = "AI Reselect";
inline constexpr const char kAIDecreaseDiameterSelector[] = "AI Decrease Diameter";
inline constexpr const char kAIIncreaseDiameterSelector[] = "AI Increase Diameter";
inline constexpr const char kAILiveEffectCaller[] = "AI Live Effect";
inline constexpr const char kAILiveEffectEditParametersSelector[] =
    "AI Live Effect Edit Parameters";
inline constexpr const char kAILiveEffectGoLiveSelector[] = "AI Live Effect Go Live";
inline constexpr const char kAILiveEffectInterpolateSelector[] =
    "AI Live Effect Interpolate Parameters";
inline constexpr const char kAILiveEffectInputTypeSelector[] = "AI Live Effect Input Type";
inline constexpr const char kAILiveEffectScaleParametersSelector[] =
    "AI Live Effect Scale Parameters";
inline constexpr const char kAILiveEffectConvertColorSpaceSelector[] =
    "AI Live Effect Convert Color Space";
inline constexpr const char kAILiveEffectAdjustColorsSelector[] = "AI Live Effect Adjust Colors";
inline constexpr const char kAILiveEffectHandleMergeSelector[] = "AI Live Effect Handle Merge";
inline constexpr const char kAITimerCaller[] = "AI Timer";
inline constexpr const char kAIClipboardCaller[] = "AI Clipboard";
inline constexpr const char kAICanCopySelector[] = "AI Can Copy";
inline constexpr const char kAICloneSelector[] = "AI Clone";
inline constexpr const char kAIDisposeSelector[] = "AI Dispose";
inline constexpr const char kWorkspaceManagerCaller[] = "Workspace Manager";
/* The host spells these three selectors so. */
inline constexpr const char kWorkspaceWriteSelector[] = "Write Woskspace";
inline constexpr const char kWorkspaceRestoreSelector[] = "Restore Woskspace";
inline constexpr const char kWorkspaceDefaultSelector[] = "Default Woskspace";

inline constexpr const char kAIApplicationStartedNotifier[] = "AI Application Started Notifier";
inline constexpr const char kAIApplicationShutdownNotifier[] = "AI Application Shutdown Notifier";
inline constexpr const char kAIArtSelectionChangedNotifier[] = "AI Art Selection Changed Notifier";

inline constexpr const char kADMUserChangedNotifier[] = "ADM User Changed Notifier";
inline constexpr const char kADMBoundsChangedNotifier[] = "ADM Bounds Changed Notifier";

}  // namespace hostapi
#endif

#endif /* KERFWORKS_HOSTAPI_MESSAGES_H */
