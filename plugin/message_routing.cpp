// Plugin::HandleMessage: which operation answers which caller and selector.
#include <cstring>
#include <iterator>

#include "plugin/plugin.h"
#include "wrappers/app_context.h"
#include "wrappers/host_suites.h"

namespace {

using namespace hostapi;
using Route = ASErr (*)(Plugin&, const char* selector, void* message);

struct RouteRow {
  const char* caller;
  const char* selector;  // null: any selector
  Route route;
};

template <ASErr (Plugin::*Operation)(SPMessageData*)>
ASErr Plain(Plugin& plugin, const char*, void* message) {
  return (plugin.*Operation)(static_cast<SPMessageData*>(message));
}

template <ASErr (Plugin::*Operation)(AIMenuMessage*)>
ASErr Menu(Plugin& plugin, const char*, void* message) {
  return (plugin.*Operation)(static_cast<AIMenuMessage*>(message));
}

ASErr StartupAgain(Plugin&, const char*, void*) {
  return kNoErr;
}

ASErr Purge(Plugin& plugin, const char*, void*) {
  return plugin.OnPurge() != 0 ? kPluginFreedMemory : kNoErr;
}

ASErr Notifier(Plugin& plugin, const char* selector, void* message) {
  return plugin.HandleNotifier(selector, static_cast<AINotifierMessage*>(message));
}

const RouteRow kRoutes[] = {
    {kSPAccessCaller, kSPUnloadSelector, &Plain<&Plugin::OnUnload>},
    {kSPInterfaceCaller, kSPAboutSelector, &Plain<&Plugin::OnAbout>},
    {kSPInterfaceCaller, kSPStartupSelector, &StartupAgain},
    {kSPCacheCaller, kSPPurgeSelector, &Purge},
    {kSPPropertiesCaller, kSPAcquireSelector, &Plain<&Plugin::OnPropertyAcquire>},
    {kSPPropertiesCaller, kSPReleaseSelector, &Plain<&Plugin::OnPropertyRelease>},
    {kAINotifierCaller, nullptr, &Notifier},
    {kActionManagerCaller, kDoActionSelector, &Plain<&Plugin::OnDoAction>},
    {kAIMenuCaller, kAIGoSelector, &Menu<&Plugin::OnMenuGo>},
    {kAIMenuCaller, kAIUpdateSelector, &Menu<&Plugin::OnMenuUpdate>},
    {kAIFilterCaller, kAIGetParametersSelector, &Plain<&Plugin::OnFilterGetParameters>},
    {kAIFilterCaller, kAIGoSelector, &Plain<&Plugin::OnFilterGo>},
    {kAIPluginGroupCaller, kAINotifyEditsSelector, &Plain<&Plugin::OnPluginGroupNotifyEdits>},
    {kAIPluginGroupCaller, kAIUpdateSelector, &Plain<&Plugin::OnPluginGroupUpdate>},
    {kAIFileFormatCaller, kAIGetParametersSelector, &Plain<&Plugin::OnFileFormatGetParameters>},
    {kAIFileFormatCaller, kAIGoSelector, &Plain<&Plugin::OnFileFormatGo>},
    {kAIFileFormatCaller, kAICheckSelector, &Plain<&Plugin::OnFileFormatCheck>},
    {kAIFileFormatCaller, kAIUpdateAI140Selector, &Plain<&Plugin::OnFileFormatUpdate>},
    {kAIFileFormatCaller, kDoActionSelector, &Plain<&Plugin::OnFileFormatDoAction>},
    {kAIToolCaller, kAIEditOptionsSelector, &Plain<&Plugin::OnToolEditOptions>},
    {kAIToolCaller, kAITrackCursorSelector, &Plain<&Plugin::OnToolTrackCursor>},
    {kAIToolCaller, kAIMouseDownSelector, &Plain<&Plugin::OnToolMouseDown>},
    {kAIToolCaller, kAIMouseDragSelector, &Plain<&Plugin::OnToolMouseDrag>},
    {kAIToolCaller, kAIMouseUpSelector, &Plain<&Plugin::OnToolMouseUp>},
    {kAIToolCaller, kAISelectSelector, &Plain<&Plugin::OnToolSelect>},
    {kAIToolCaller, kAIDeselectSelector, &Plain<&Plugin::OnToolDeselect>},
    {kAIToolCaller, kAIReselectSelector, &Plain<&Plugin::OnToolReselect>},
    {kAIToolCaller, kAIDecreaseDiameterSelector, &Plain<&Plugin::OnToolDecreaseDiameter>},
    {kAIToolCaller, kAIIncreaseDiameterSelector, &Plain<&Plugin::OnToolIncreaseDiameter>},
    {kAILiveEffectCaller, kAILiveEffectEditParametersSelector,
     &Plain<&Plugin::OnLiveEffectEditParameters>},
    {kAILiveEffectCaller, kAILiveEffectGoLiveSelector, &Plain<&Plugin::OnLiveEffectGoLive>},
    {kAILiveEffectCaller, kAILiveEffectInterpolateSelector,
     &Plain<&Plugin::OnLiveEffectInterpolate>},
    {kAILiveEffectCaller, kAILiveEffectInputTypeSelector, &Plain<&Plugin::OnLiveEffectInputType>},
    {kAILiveEffectCaller, kAILiveEffectScaleParametersSelector,
     &Plain<&Plugin::OnLiveEffectScaleParameters>},
    {kAILiveEffectCaller, kAILiveEffectConvertColorSpaceSelector,
     &Plain<&Plugin::OnLiveEffectConvertColorSpace>},
    {kAILiveEffectCaller, kAILiveEffectAdjustColorsSelector,
     &Plain<&Plugin::OnLiveEffectAdjustColors>},
    {kAILiveEffectCaller, kAILiveEffectHandleMergeSelector,
     &Plain<&Plugin::OnLiveEffectHandleMerge>},
    {kAITimerCaller, kAIGoSelector, &Plain<&Plugin::OnTimer>},
    {kAIClipboardCaller, kAIGoSelector, &Plain<&Plugin::OnClipboardGo>},
    {kAIClipboardCaller, kAICanCopySelector, &Plain<&Plugin::OnClipboardCanCopy>},
    {kAIClipboardCaller, kAICloneSelector, &Plain<&Plugin::OnClipboardClone>},
    {kAIClipboardCaller, kAIDisposeSelector, &Plain<&Plugin::OnClipboardDispose>},
    {kWorkspaceManagerCaller, kWorkspaceWriteSelector, &Plain<&Plugin::OnWorkspaceWrite>},
    {kWorkspaceManagerCaller, kWorkspaceRestoreSelector, &Plain<&Plugin::OnWorkspaceRestore>},
    {kWorkspaceManagerCaller, kWorkspaceDefaultSelector, &Plain<&Plugin::OnWorkspaceDefault>},
};

bool Equal(const char* a, const char* b) {
  return a != nullptr && std::strcmp(a, b) == 0;
}

}  // namespace

ASErr Plugin::HandleMessage(const char* caller, const char* selector, void* message) {
  AcquireOptionalSuites();
  const RouteRow* first = nullptr;
  for (const RouteRow& row : kRoutes) {
    if (Equal(caller, row.caller)) {
      first = &row;
      break;
    }
  }
  if (first == nullptr) return kUnhandledMsgErr;
  if (first->selector == nullptr) return first->route(*this, selector, message);
  for (const RouteRow* row = first; row != std::end(kRoutes) && Equal(caller, row->caller); ++row) {
    if (Equal(selector, row->selector)) return row->route(*this, selector, message);
  }
  return kUnhandledMsgErr;
}

ASErr Plugin::HandleNotifier(const char* selector, AINotifierMessage* message) {
  const ai::AppContext context(pluginRef);
  ASErr result = kUnhandledMsgErr;
  if (Equal(message->notifierType, kAIApplicationStartedNotifier)) result = OnApplicationStarted();
  if ((result == kNoErr || result == kUnhandledMsgErr) && Equal(selector, kAINotifySelector)) {
    result = OnNotify(message);
  }
  return result;
}
