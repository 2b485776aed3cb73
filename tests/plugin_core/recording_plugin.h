// A plug-in object that records which of its operations the routing reached.
#ifndef KERFWORKS_TESTS_PLUGIN_CORE_RECORDING_PLUGIN_H
#define KERFWORKS_TESTS_PLUGIN_CORE_RECORDING_PLUGIN_H

#include <functional>
#include <string>
#include <vector>

#include "plugin/kerfworks_plugin.h"

namespace kwtest {

// clang-format off
#define KW_RECORDED_OPERATIONS(X) \
  X(OnUnload) \
  X(OnAbout) \
  X(OnPropertyAcquire) \
  X(OnPropertyRelease) \
  X(OnDoAction) \
  X(OnFilterGetParameters) \
  X(OnFilterGo) \
  X(OnPluginGroupNotifyEdits) \
  X(OnPluginGroupUpdate) \
  X(OnFileFormatGetParameters) \
  X(OnFileFormatGo) \
  X(OnFileFormatCheck) \
  X(OnFileFormatUpdate) \
  X(OnFileFormatDoAction) \
  X(OnToolEditOptions) \
  X(OnToolTrackCursor) \
  X(OnToolMouseDown) \
  X(OnToolMouseDrag) \
  X(OnToolMouseUp) \
  X(OnToolSelect) \
  X(OnToolDeselect) \
  X(OnToolReselect) \
  X(OnToolDecreaseDiameter) \
  X(OnToolIncreaseDiameter) \
  X(OnLiveEffectEditParameters) \
  X(OnLiveEffectGoLive) \
  X(OnLiveEffectInterpolate) \
  X(OnLiveEffectInputType) \
  X(OnLiveEffectConvertColorSpace) \
  X(OnLiveEffectScaleParameters) \
  X(OnLiveEffectAdjustColors) \
  X(OnLiveEffectHandleMerge) \
  X(OnTimer) \
  X(OnClipboardGo) \
  X(OnClipboardCanCopy) \
  X(OnClipboardClone) \
  X(OnClipboardDispose) \
  X(OnWorkspaceWrite) \
  X(OnWorkspaceRestore) \
  X(OnWorkspaceDefault)
// clang-format on

class RecordingPlugin : public KerfworksPluginDialogPlugin {
 public:
  explicit RecordingPlugin(SPPluginRef ref) : KerfworksPluginDialogPlugin(ref) {}

  // What the next reached operation answers (or throws).
  std::function<ASErr()> answer = [] { return kNoErr; };
  std::vector<std::string> reached;

#define KW_RECORD(Operation)                 \
  ASErr Operation(SPMessageData*) override { \
    return Record(#Operation);               \
  }
  KW_RECORDED_OPERATIONS(KW_RECORD)
#undef KW_RECORD

  ASErr OnMenuGo(AIMenuMessage*) override {
    return Record("OnMenuGo");
  }
  ASErr OnMenuUpdate(AIMenuMessage*) override {
    return Record("OnMenuUpdate");
  }
  ASErr OnNotify(AINotifierMessage*) override {
    return Record("OnNotify");
  }
  ASErr OnApplicationStarted() override {
    return Record("OnApplicationStarted");
  }
  ASErr OnPurge() override {
    return Record("OnPurge");
  }

 private:
  ASErr Record(const char* operation) {
    reached.push_back(operation);
    return answer();
  }
};

}  // namespace kwtest

#endif  // KERFWORKS_TESTS_PLUGIN_CORE_RECORDING_PLUGIN_H
