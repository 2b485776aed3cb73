// The plug-in's own class: the palette, its menu item and its notifiers, and the guard that keeps
// every exception of a handler from reaching the host.
#ifndef KERFWORKS_PLUGIN_KERFWORKS_PLUGIN_H
#define KERFWORKS_PLUGIN_KERFWORKS_PLUGIN_H

#include "plugin/plugin.h"

class KerfworksPluginDialogPlugin : public Plugin {
 public:
  explicit KerfworksPluginDialogPlugin(SPPluginRef pluginRef);
  ~KerfworksPluginDialogPlugin() override;

  // Re-establishes the object in its own storage (the table of virtual operations may have moved
  // with a reloaded module); every field keeps its value.
  static KerfworksPluginDialogPlugin* Reestablish(void* storage);

  ASErr HandleMessage(const char* caller, const char* selector, void* message) override;

 private:
  KerfworksPluginDialogPlugin(ReloadTag tag, const KerfworksPluginDialogPlugin& previous);
};

#endif  // KERFWORKS_PLUGIN_KERFWORKS_PLUGIN_H
