#include "plugin/kerfworks_plugin.h"

#include <cstring>
#include <new>

#include "palette/kerfworks_plugin_dialog.h"
#include "wrappers/exception_guard.h"
#include "wrappers/host_suites.h"
#include "wrappers/indexed_string.h"
#include "wrappers/unicode_string.h"

namespace {

constexpr const char kPluginName[] = "ADMNonModalDialog";
constexpr const char kMenuGroup[] = "Tool Palettes";
constexpr const char kMenuItemText[] = "Show Kerfworks Plugin";
constexpr int32_t kMenuItemWantsUpdates = 1;
constexpr const char kShutdownNotifierName[] =
    "ThisPlugin_Shutdown AI Application Shutdown Notifier";
constexpr const char kSelectionNotifierName[] = "ThisPlugin_Redraw";
constexpr int32_t kMenuTextString = 16233;
constexpr int32_t kMenuTextCapacity = 256;

}  // namespace

KerfworksPluginDialogPlugin::KerfworksPluginDialogPlugin(SPPluginRef ref) : Plugin(ref) {
  std::strcpy(name, kPluginName);
}

KerfworksPluginDialogPlugin::KerfworksPluginDialogPlugin(
    ReloadTag tag, const KerfworksPluginDialogPlugin& previous)
    : Plugin(tag, previous),
      palette(previous.palette),
      paletteMenuItem(previous.paletteMenuItem),
      shutdownNotifier(previous.shutdownNotifier),
      selectionNotifier(previous.selectionNotifier) {}

KerfworksPluginDialogPlugin::~KerfworksPluginDialogPlugin() = default;

KerfworksPluginDialogPlugin* KerfworksPluginDialogPlugin::Reestablish(void* storage) {
  // The fields are read before the new object starts: the old table pointer is never used.
  auto* old = static_cast<KerfworksPluginDialogPlugin*>(storage);
  const KerfworksPluginDialogPlugin saved(ReloadTag{}, *old);
  return new (storage) KerfworksPluginDialogPlugin(ReloadTag{}, saved);
}

ASErr KerfworksPluginDialogPlugin::HandleMessage(const char* caller, const char* selector,
                                                 void* message) {
  const ASErr result =
      GuardExceptions([&] { return Plugin::HandleMessage(caller, selector, message); });
  if (result == kUnhandledMsgErr) return kNoErr;
  if (result != kNoErr) ReportError(result, caller, selector, message);
  return result;
}

ASErr KerfworksPluginDialogPlugin::OnStartup(SPMessageData* message) {
  ASErr code = Plugin::OnStartup(message);
  if (code == kNoErr) {
    const ai::UnicodeString text(kMenuItemText);
    const AIPlatformAddMenuItemData data{kMenuGroup, text.Handle()};
    code = sAIMenu->AddMenuItem(pluginRef, kMenuItemName, &data, kMenuItemWantsUpdates,
                                &paletteMenuItem);
  }
  if (code == kNoErr) {
    code = sAINotifier->AddNotifier(pluginRef, kShutdownNotifierName,
                                    hostapi::kAIApplicationShutdownNotifier, &shutdownNotifier);
  }
  if (code == kNoErr) {
    code = sAINotifier->AddNotifier(pluginRef, kSelectionNotifierName,
                                    hostapi::kAIArtSelectionChangedNotifier, &selectionNotifier);
  }
  if (code == kNoErr) sAIPlugin->SetPluginOptions(pluginRef, 0);
  return code;
}

ASErr KerfworksPluginDialogPlugin::OnApplicationStarted() {
  if (palette == nullptr) {
    palette = new KerfworksPluginDialog(pluginRef);
    if (palette != nullptr) palette->SetOwnerSlot(&palette);
  }
  return kNoErr;
}

void KerfworksPluginDialogPlugin::DeletePalette() {
  delete palette;  // its destructor clears `palette`
  palette = nullptr;
}

ASErr KerfworksPluginDialogPlugin::OnNotify(AINotifierMessage* message) {
  if (message->notifier == shutdownNotifier && palette != nullptr) {
    DeletePalette();
  } else if (message->notifier == selectionNotifier && palette != nullptr) {
    palette->OnArtSelectionChanged(message);
  }
  return kNoErr;
}

ASErr KerfworksPluginDialogPlugin::OnMenuGo(AIMenuMessage* message) {
  if (message->menuItem == paletteMenuItem && palette != nullptr && palette->IsBound()) {
    palette->Show(!palette->IsVisible());
  }
  return kNoErr;
}

ASErr KerfworksPluginDialogPlugin::OnMenuUpdate(AIMenuMessage* message) {
  char text[kMenuTextCapacity];
  // A string that cannot be read leaves the item's text as it is rather than blank.
  if (ai::ReadIndexedString(pluginRef, kMenuTextString, 0, text, kMenuTextCapacity) &&
      text[0] != '\0') {
    const ai::UnicodeString itemText(text);
    sAIMenu->SetItemText(message->menuItem, itemText.Handle());
  }
  if (palette != nullptr && palette->IsBound()) {
    sAIMenu->CheckItem(message->menuItem, palette->IsVisible() ? 1 : 0);
  }
  return kNoErr;
}

ASErr KerfworksPluginDialogPlugin::OnShutdown(SPMessageData* message) {
  message->globals = nullptr;
  // Without the application-shutdown notification the palette would outlive the suites it needs
  // to save its settings and to give its dialog back.
  // After a failed reload the suites are gone; the palette cannot be given back without them.
  if (palette != nullptr && !HoldsSuites()) CreateSuiteSet();
  if (palette != nullptr && HoldsSuites()) DeletePalette();
  return Plugin::OnShutdown(message);
}
