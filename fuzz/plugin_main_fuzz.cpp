// PluginMain under a host that sends anything: known and unknown callers and selectors with the
// records a host hands over, in any order and in every state (before start-up, unloaded, shut
// down), while a user works the palette and host calls fail. Whatever comes, the plug-in must
// answer without a crash or a sanitizer report, and once shut down hold no suite and no block.
#include <dlfcn.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "fuzz/fuzz_input.h"
#include "fuzz/fuzz_target.h"
#include "hostapi/messages.h"
#include "resources/palette_items.h"
#include "standin/core/environment.h"
#include "standin/core/host.h"
#include "standin/model/dialog_user.h"
#include "standin/model/menus.h"
#include "standin/scenario/document_builder.h"

namespace {

namespace fs = std::filesystem;
using namespace hostapi;

struct Message {
  const char* caller;
  const char* selector;
};

// Every message a host sends, and a few it never does.
constexpr Message kMessages[] = {
    {kSPInterfaceCaller, kSPStartupSelector},
    {kSPInterfaceCaller, kSPShutdownSelector},
    {kSPInterfaceCaller, kSPAboutSelector},
    {kSPAccessCaller, kSPUnloadSelector},
    {kSPAccessCaller, kSPReloadSelector},
    {kSPCacheCaller, kSPPurgeSelector},
    {kSPPropertiesCaller, kSPAcquireSelector},
    {kSPPropertiesCaller, kSPReleaseSelector},
    {kAINotifierCaller, kAINotifySelector},
    {kActionManagerCaller, kDoActionSelector},
    {kAIMenuCaller, kAIGoSelector},
    {kAIMenuCaller, kAIUpdateSelector},
    {kAIFilterCaller, kAIGetParametersSelector},
    {kAIFilterCaller, kAIGoSelector},
    {kAIPluginGroupCaller, kAINotifyEditsSelector},
    {kAIPluginGroupCaller, kAIUpdateSelector},
    {kAIFileFormatCaller, kAIGetParametersSelector},
    {kAIFileFormatCaller, kAIGoSelector},
    {kAIFileFormatCaller, kAICheckSelector},
    {kAIFileFormatCaller, kAIUpdateAI140Selector},
    {kAIFileFormatCaller, kDoActionSelector},
    {kAIToolCaller, kAIEditOptionsSelector},
    {kAIToolCaller, kAITrackCursorSelector},
    {kAIToolCaller, kAIMouseDownSelector},
    {kAIToolCaller, kAIMouseDragSelector},
    {kAIToolCaller, kAIMouseUpSelector},
    {kAIToolCaller, kAISelectSelector},
    {kAIToolCaller, kAIDeselectSelector},
    {kAIToolCaller, kAIReselectSelector},
    {kAIToolCaller, kAIDecreaseDiameterSelector},
    {kAIToolCaller, kAIIncreaseDiameterSelector},
    {kAILiveEffectCaller, kAILiveEffectEditParametersSelector},
    {kAILiveEffectCaller, kAILiveEffectGoLiveSelector},
    {kAILiveEffectCaller, kAILiveEffectInterpolateSelector},
    {kAILiveEffectCaller, kAILiveEffectInputTypeSelector},
    {kAILiveEffectCaller, kAILiveEffectScaleParametersSelector},
    {kAILiveEffectCaller, kAILiveEffectConvertColorSpaceSelector},
    {kAILiveEffectCaller, kAILiveEffectAdjustColorsSelector},
    {kAILiveEffectCaller, kAILiveEffectHandleMergeSelector},
    {kAITimerCaller, kAIGoSelector},
    {kAIClipboardCaller, kAIGoSelector},
    {kAIClipboardCaller, kAICanCopySelector},
    {kAIClipboardCaller, kAICloneSelector},
    {kAIClipboardCaller, kAIDisposeSelector},
    {kWorkspaceManagerCaller, kWorkspaceWriteSelector},
    {kWorkspaceManagerCaller, kWorkspaceRestoreSelector},
    {kWorkspaceManagerCaller, kWorkspaceDefaultSelector},
    {kSPInterfaceCaller, "Bogus"},
    {"Unknown Caller", kAIGoSelector},
};

constexpr const char* kNotifierTypes[] = {
    kAIApplicationStartedNotifier, kAIApplicationShutdownNotifier, kAIArtSelectionChangedNotifier,
    kADMUserChangedNotifier,       kADMBoundsChangedNotifier,      "Some Other Notifier"};

constexpr int kPaletteItems[] = {16, 21, 22, 23, 24, 25, 1, 0, -1};
constexpr ASErr kFailureCodes[] = {standin::kInjectedFailureErr, kOutOfMemoryErr, kBadParameterErr};

enum class Step : std::uint8_t {
  kStartup,
  kShutdown,
  kUnload,
  kReload,
  kNotify,
  kMenu,
  kMessage,
  kNamedMessage,
  kPress,
  kPick,
  kFlyout,
  kSetValue,
  kRedraw,
  kResize,
  kClose,
  kShow,
  kModalScript,
  kFailCall,
  kCount
};

// The record of any message: the largest the host sends, so every caller finds its fields.
union Record {
  SPMessageData plain;
  AINotifierMessage notifier;
  AIMenuMessage menu;
};

// The folders the plug-in may touch, set up once: an empty registry (no cutting application is
// found), a temporary folder for cut files, and a shell log instead of a real shell.
class Scratch {
 public:
  Scratch() {
    char pattern[] = "/tmp/kw-fuzz-pluginmain-XXXXXX";
    if (mkdtemp(pattern) == nullptr) std::abort();
    root_ = pattern;
    fs::create_directories(root_ / "registry");
    fs::create_directories(root_ / "temp");
    standin::SetEnvironment("KW_REGISTRY_USER", (root_ / "registry").string());
    standin::SetEnvironment("KW_REGISTRY_MACHINE", (root_ / "registry").string());
    standin::SetEnvironment("TMPDIR", (root_ / "temp").string());
    standin::SetEnvironment("KW_SHELL_LOG", (root_ / "shell.log").string());
    standin::ClearEnvironment("KW_ACTIVITY_LOG");
    standin::ClearEnvironment("KW_PLATFORM_FAIL");
  }
  // Removes what the last input left, so the folder does not grow over a long run.
  void Empty() {
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(root_ / "temp", error)) {
      fs::remove_all(entry.path(), error);
    }
    fs::remove(root_ / "shell.log", error);
  }

 private:
  fs::path root_;
};

// Kept loaded for the whole run: the fuzzer's coverage counters live in the module, and must
// outlive each host's unloading of it.
void PinModule() {
  if (dlopen(KW_PLUGIN_MODULE_PATH, RTLD_NOW | RTLD_NODELETE) == nullptr) {
    std::fprintf(stderr, "cannot load %s: %s\n", KW_PLUGIN_MODULE_PATH, dlerror());
    std::abort();
  }
}

class Session {
 public:
  explicit Session(FuzzInput& input) : input_(input), user_(host_) {
    // A failed call answers as the host would: what the plug-in gives back is never refused.
    host_.Gate().AnswerAsHost(true);
    standin::DocumentBuilder doc(host_.Documents());
    doc.Page(595.2756f, 841.8898f);
    doc.Rectangle("box", 200, 300, 100, 100).Filled().Stroked().Selected();
    doc.Circle("dot", 100, 100, 30).Selected(input_.Bit());
    doc.Text("caption");
  }

  void Run() {
    while (!input_.Empty()) Do(static_cast<Step>(input_.Below(static_cast<int>(Step::kCount))));
    End();
  }

 private:
  void Do(Step step) {
    // KW_FUZZ_TRACE=1 prints the steps of an input, to read a finding.
    static const bool trace = std::getenv("KW_FUZZ_TRACE") != nullptr;
    if (trace) {
      std::fprintf(stderr, "step %d (globals %s)\n", static_cast<int>(step),
                   host_.Globals() != nullptr ? "set" : "null");
    }
    switch (step) {
      case Step::kStartup:
        host_.Startup();
        break;
      case Step::kShutdown:
        host_.Shutdown();
        break;
      case Step::kUnload:
        unloaded_ = host_.Globals() != nullptr;
        host_.Unload();
        break;
      case Step::kReload:
        unloaded_ = false;
        host_.Reload();
        break;
      case Step::kNotify:
        SendNotifier(kAINotifierCaller, kAINotifySelector);
        break;
      case Step::kMenu:
        SendMenu(input_.Bit() ? kAIGoSelector : kAIUpdateSelector);
        break;
      case Step::kMessage:
        Send(input_.Pick(kMessages));
        break;
      case Step::kNamedMessage:
        SendNamed();
        break;
      case Step::kPress:
        if (ADMDialogRef palette = Palette()) user_.Press(palette, input_.Pick(kPaletteItems));
        break;
      case Step::kPick:
        if (ADMDialogRef palette = Palette()) {
          user_.Pick(palette, input_.Pick(kPaletteItems), input_.Below(6) - 1);
        }
        break;
      case Step::kFlyout:
        if (ADMDialogRef palette = Palette()) user_.PickFlyout(palette, input_.Below(6) - 1);
        break;
      case Step::kSetValue:
        if (ADMDialogRef palette = Palette()) {
          user_.SetValue(palette, input_.Pick(kPaletteItems), input_.Float());
        }
        break;
      case Step::kRedraw:
        if (ADMDialogRef palette = Palette()) user_.RedrawPending(palette);
        break;
      case Step::kResize:
        if (ADMDialogRef palette = Palette()) {
          user_.Resize(palette, input_.Below(1024), input_.Below(1024));
        }
        break;
      case Step::kClose:
        if (ADMDialogRef palette = Palette()) user_.Close(palette);
        break;
      case Step::kShow:
        if (ADMDialogRef palette = Palette()) user_.SetVisible(palette, input_.Bit());
        break;
      case Step::kModalScript:
        QueueModalScript();
        break;
      case Step::kFailCall:
        host_.Gate().FailCall(1 + input_.Below(64), input_.Pick(kFailureCodes), input_.Bit());
        break;
      case Step::kCount:
        break;
    }
  }

  // The palette the user acts on. A host reloads an unloaded plug-in before calling into it.
  ADMDialogRef Palette() {
    if (unloaded_ && host_.Globals() != nullptr) {
      unloaded_ = false;
      host_.Reload();
    }
    return user_.FindDialog(kPaletteDialogName);
  }

  void Send(const Message& message) {
    if (std::strcmp(message.caller, kAINotifierCaller) == 0) {
      SendNotifier(message.caller, message.selector);
    } else if (std::strcmp(message.caller, kAIMenuCaller) == 0) {
      SendMenu(message.selector);
    } else {
      Record record{};
      host_.Send(message.caller, message.selector, &record.plain);
    }
  }

  void SendNamed() {
    const std::string caller = input_.Text();
    const std::string selector = input_.Text();
    Record record{};
    host_.Send(caller.c_str(), selector.c_str(), &record.plain);
  }

  // A notifier the plug-in registered (or none), of its own type or another.
  void SendNotifier(const char* caller, const char* selector) {
    const auto& order = host_.App().notifierOrder;
    Record record{};
    record.notifier.notifier = order.empty() || input_.Bit() ? nullptr : input_.Pick(order);
    record.notifier.notifierType = input_.Pick(kNotifierTypes);
    host_.Send(caller, selector, &record.plain);
  }

  // A menu item the plug-in added (or none).
  void SendMenu(const char* selector) {
    const auto& order = host_.Menus().order;
    Record record{};
    record.menu.menuItem = order.empty() || input_.Bit() ? nullptr : input_.Pick(order);
    host_.Send(kAIMenuCaller, selector, &record.plain);
  }

  // What the user will do in the next modal dialog (the crop-marks dialog).
  void QueueModalScript() {
    standin::ModalScript script;
    for (int steps = input_.Below(4); steps > 0; --steps) {
      switch (input_.Below(3)) {
        case 0:
          script.Pick(37, input_.Below(10) - 1);
          break;
        case 1:
          script.Set(34 + input_.Below(2), input_.Float());
          break;
        default:
          script.Press(1 + input_.Below(2));
      }
    }
    host_.Dialogs().QueueModalScript(script);
  }

  // The host's own end of a session: a plug-in still started is shut down, an unloaded one
  // reloaded first; then it may hold nothing of the host's, started or not.
  void End() {
    host_.Gate().ClearFailure();
    if (host_.Globals() != nullptr) {
      if (unloaded_) host_.Reload();
      host_.NotifyType(kAIApplicationShutdownNotifier);
      host_.Shutdown();
    }
    std::vector<std::string> held = host_.Suites().Held();
    for (const std::string& block : host_.Blocks().Describe()) held.push_back(block);
    if (held.empty()) return;
    for (const std::string& what : held) std::fprintf(stderr, "left behind: %s\n", what.c_str());
    std::abort();
  }

  FuzzInput& input_;
  standin::Host host_;
  standin::DialogUser user_;
  bool unloaded_ = false;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static Scratch scratch;
  static const bool pinned = (PinModule(), true);
  (void)pinned;
  FuzzInput input(data, size);
  Session(input).Run();
  scratch.Empty();
  return 0;
}
