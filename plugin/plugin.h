// The framework class of the plug-in object: one virtual operation per host message, with the
// answers a plug-in gives to messages it does not handle, and the error reporting of the
// dispatcher. The object lives in host memory and in the host's `globals` slot between calls.
#ifndef KERFWORKS_PLUGIN_PLUGIN_H
#define KERFWORKS_PLUGIN_PLUGIN_H

#include <cstdint>

#include "hostapi/messages.h"
#include "plugin/suite_set.h"
#include "wrappers/host_allocated.h"

// Marks the constructor that re-establishes an object in its own storage after a reload.
struct ReloadTag {};

class Plugin : public ai::HostAllocated {
 public:
  explicit Plugin(SPPluginRef pluginRef);
  Plugin(const Plugin&) = delete;
  Plugin& operator=(const Plugin&) = delete;

  virtual ~Plugin();
  virtual ASErr ReportError(ASErr code, const char* caller, const char* selector, void* message);
  virtual ASErr HoldAccess(bool hold);
  virtual ASErr OnStartup(SPMessageData* message);
  virtual ASErr OnApplicationStarted();
  virtual ASErr OnShutdown(SPMessageData* message);
  virtual ASErr OnUnload(SPMessageData* message);
  virtual ASErr OnReload(SPMessageData* message);
  virtual ASErr OnPropertyAcquire(SPMessageData* message);
  virtual ASErr OnPropertyRelease(SPMessageData* message);
  virtual int32_t GetName(char* buffer, int32_t length);
  virtual ASErr OnAbout(SPMessageData* message);
  virtual ASErr OnPurge();
  virtual ASErr HandleMessage(const char* caller, const char* selector, void* message);
  virtual ASErr SetCurrentPlugin(Plugin* plugin);
  virtual ASErr AfterStartupRegistration();
  virtual ASErr AfterSuitesAcquired();
  virtual ASErr BeforeSuitesReleased();
  virtual ASErr AcquireOptionalSuites();
  virtual ASErr OnNotify(AINotifierMessage* message);
  virtual ASErr OnDoAction(SPMessageData* message);
  virtual ASErr OnMenuGo(AIMenuMessage* message);
  virtual ASErr OnMenuUpdate(AIMenuMessage* message);
  virtual ASErr OnFilterGetParameters(SPMessageData* message);
  virtual ASErr OnFilterGo(SPMessageData* message);
  virtual ASErr OnPluginGroupNotifyEdits(SPMessageData* message);
  virtual ASErr OnPluginGroupUpdate(SPMessageData* message);
  virtual ASErr OnFileFormatGetParameters(SPMessageData* message);
  virtual ASErr OnFileFormatGo(SPMessageData* message);
  virtual ASErr OnFileFormatCheck(SPMessageData* message);
  virtual ASErr OnFileFormatUpdate(SPMessageData* message);
  virtual ASErr OnFileFormatDoAction(SPMessageData* message);
  virtual ASErr OnToolEditOptions(SPMessageData* message);
  virtual ASErr OnToolTrackCursor(SPMessageData* message);
  virtual ASErr OnToolMouseDown(SPMessageData* message);
  virtual ASErr OnToolMouseDrag(SPMessageData* message);
  virtual ASErr OnToolMouseUp(SPMessageData* message);
  virtual ASErr OnToolSelect(SPMessageData* message);
  virtual ASErr OnToolDeselect(SPMessageData* message);
  virtual ASErr OnToolReselect(SPMessageData* message);
  virtual ASErr OnToolDecreaseDiameter(SPMessageData* message);
  virtual ASErr OnToolIncreaseDiameter(SPMessageData* message);
  virtual ASErr OnLiveEffectEditParameters(SPMessageData* message);
  virtual ASErr OnLiveEffectGoLive(SPMessageData* message);
  virtual ASErr OnLiveEffectInterpolate(SPMessageData* message);
  virtual ASErr OnLiveEffectInputType(SPMessageData* message);
  virtual ASErr OnLiveEffectConvertColorSpace(SPMessageData* message);
  virtual ASErr OnLiveEffectScaleParameters(SPMessageData* message);
  virtual ASErr OnLiveEffectAdjustColors(SPMessageData* message);
  virtual ASErr OnLiveEffectHandleMerge(SPMessageData* message);
  virtual ASErr OnTimer(SPMessageData* message);
  virtual ASErr OnClipboardGo(SPMessageData* message);
  virtual ASErr OnClipboardCanCopy(SPMessageData* message);
  virtual ASErr OnClipboardClone(SPMessageData* message);
  virtual ASErr OnClipboardDispose(SPMessageData* message);
  virtual ASErr OnWorkspaceWrite(SPMessageData* message);
  virtual ASErr OnWorkspaceRestore(SPMessageData* message);
  virtual ASErr OnWorkspaceDefault(SPMessageData* message);

  // The steps of every "AI Notifier" message, inside an application context.
  ASErr HandleNotifier(const char* selector, AINotifierMessage* message);

  bool HoldsSuites() const { return suites != nullptr; }
  // Gives back what a start-up that failed part-way had acquired, before the object goes.
  void AbandonStartup() { DeleteSuiteSet(); }
  int32_t AccessHolds() const { return accessHolds; }

 protected:
  // Carries every field of `previous` over into an object re-established in the same storage.
  Plugin(ReloadTag, const Plugin& previous);
  // Creates the suite set (start-up and reload): 0, '!MEM', or the acquisition's code.
  ASErr CreateSuiteSet();
  void DeleteSuiteSet();

  SPPluginRef pluginRef;
  char name[256];
  SuiteSet* suites = nullptr;
  int32_t accessHolds = 0;
  SPAccessRef accessRef = nullptr;
  int32_t lastErrorCode = 0;
  int32_t repeatWindowSeconds = 5;
  int32_t suppressRepeats = 1;
  int64_t lastErrorTime = 0;
};

#endif  // KERFWORKS_PLUGIN_PLUGIN_H
