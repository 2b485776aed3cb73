// The plug-in's one export: creates and deletes the plug-in object and hands every message to it.
#include <cstring>

#include "hostapi/messages.h"
#include "plugin/error_alert.h"
#include "plugin/kerfworks_plugin.h"
#include "wrappers/exception_guard.h"
#include "wrappers/host_suites.h"

#if defined(_WIN32)
#define KW_EXPORT __declspec(dllexport)
#else
#define KW_EXPORT __attribute__((visibility("default")))
#endif

namespace {

bool Is(const char* text, const char* expected) {
  return text != nullptr && std::strcmp(text, expected) == 0;
}

// The plug-in object rebuilt in its storage after an unload, holding its suites again.
Plugin* Reload(Plugin* plugin, SPMessageData* data, ASErr& result) {
  plugin = KerfworksPluginDialogPlugin::Reestablish(plugin);
  data->globals = plugin;
  result = GuardExceptions([&] { return plugin->OnReload(data); });
  return plugin;
}

}  // namespace

extern "C" KW_EXPORT ASErr KW_API PluginMain(const char* caller, const char* selector,
                                             void* message) {
  auto* data = static_cast<SPMessageData*>(message);
  sSPBasic = data->basicSuite;
  auto* plugin = static_cast<Plugin*>(data->globals);
  ASErr result = kNoErr;

  // A second start-up finds the plug-in started: it is answered below, without a new object.
  if (Is(caller, hostapi::kSPInterfaceCaller) && Is(selector, hostapi::kSPStartupSelector) &&
      plugin == nullptr) {
    plugin = new KerfworksPluginDialogPlugin(data->pluginRef);
    if (plugin == nullptr) {
      result = kOutOfMemoryErr;
    } else {
      data->globals = plugin;
      result = GuardExceptions([&] { return plugin->OnStartup(data); });
      if (result != kNoErr) {
        // No shut-down follows a failed start-up: what it acquired is given back here.
        GuardExceptions([&] { return plugin->OnShutdown(data); });
        delete plugin;
        data->globals = plugin = nullptr;
      }
    }
  } else if (Is(caller, hostapi::kSPInterfaceCaller) &&
             Is(selector, hostapi::kSPShutdownSelector) && plugin != nullptr) {
    // Shut down while unloaded: the plug-in needs its suites back to save its settings and give
    // its palette back. Without them it stays as it is, to be shut down later.
    if (!plugin->HoldsSuites()) plugin = Reload(plugin, data, result);
    if (!plugin->HoldsSuites()) return result == kNoErr ? kCantHappenErr : result;
    result = GuardExceptions([&] { return plugin->OnShutdown(data); });
    delete plugin;
    data->globals = plugin = nullptr;
  }

  if (plugin != nullptr) {
    if (Is(caller, hostapi::kSPAccessCaller) && Is(selector, hostapi::kSPReloadSelector)) {
      // A reload of a plug-in that was never unloaded has nothing to re-establish.
      if (!plugin->HoldsSuites()) plugin = Reload(plugin, data, result);
    } else if (plugin->HoldsSuites()) {
      result = plugin->HandleMessage(caller, selector, message);
    }
    if (result == kUnhandledMsgErr) result = kNoErr;
  }

  if (result != kNoErr) {
    if (plugin != nullptr) {
      plugin->ReportError(result, caller, selector, message);
    } else {
      ShowErrorAlert(data->pluginRef, result);
    }
  }
  return result;
}
