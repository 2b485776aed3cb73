// The plug-in's own class: the palette, its menu item and its notifiers, and the guard that keeps
// every exception of a handler from reaching the host.
#ifndef KERFWORKS_PLUGIN_KERFWORKS_PLUGIN_H
#define KERFWORKS_PLUGIN_KERFWORKS_PLUGIN_H

#include "plugin/plugin.h"

class KerfworksPluginDialog;

// The name of the menu item that shows the palette.
inline constexpr char kMenuItemName[] = "Kerfworks Plugin Menu Item";

class KerfworksPluginDialogPlugin : public Plugin {
 public:
  explicit KerfworksPluginDialogPlugin(SPPluginRef pluginRef);
  ~KerfworksPluginDialogPlugin() override;

  // Re-establishes the object in its own storage (the table of virtual operations may have moved
  // with a reloaded module); every field keeps its value.
  static KerfworksPluginDialogPlugin* Reestablish(void* storage);

  // Registers the menu item and the shutdown and selection notifiers after the base start-up.
  ASErr OnStartup(SPMessageData* message) override;
  // Builds the palette once.
  ASErr OnApplicationStarted() override;
  ASErr OnShutdown(SPMessageData* message) override;
  ASErr HandleMessage(const char* caller, const char* selector, void* message) override;
  // Shutdown notifier: deletes the palette; selection notifier: refreshes its preview.
  ASErr OnNotify(AINotifierMessage* message) override;
  // The menu item shows or hides the palette.
  ASErr OnMenuGo(AIMenuMessage* message) override;
  // Sets the item's text, and its check mark to the palette's visibility.
  ASErr OnMenuUpdate(AIMenuMessage* message) override;

  KerfworksPluginDialog* Palette() const { return palette; }

 private:
  KerfworksPluginDialogPlugin(ReloadTag tag, const KerfworksPluginDialogPlugin& previous);
  void DeletePalette();

  KerfworksPluginDialog* palette = nullptr;
  AIMenuItemHandle paletteMenuItem = nullptr;
  AINotifierHandle shutdownNotifier = nullptr;
  AINotifierHandle selectionNotifier = nullptr;
};

#endif  // KERFWORKS_PLUGIN_KERFWORKS_PLUGIN_H
