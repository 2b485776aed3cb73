#include "plugin/kerfworks_plugin.h"

#include <cstring>
#include <new>

#include "plugin/exception_guard.h"

namespace {

constexpr const char kPluginName[] = "ADMNonModalDialog";

}  // namespace

KerfworksPluginDialogPlugin::KerfworksPluginDialogPlugin(SPPluginRef ref) : Plugin(ref) {
  std::strcpy(name, kPluginName);
}

KerfworksPluginDialogPlugin::KerfworksPluginDialogPlugin(
    ReloadTag tag, const KerfworksPluginDialogPlugin& previous)
    : Plugin(tag, previous) {}

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
