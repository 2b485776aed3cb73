// The palette "Talvex Kerfworks": a floating, dockable, resizable host dialog whose items the
// palette wires to their handlers, placed and docked from the preferences and saving them again
// when it goes.
#ifndef KERFWORKS_PALETTE_KERFWORKS_PLUGIN_DIALOG_H
#define KERFWORKS_PALETTE_KERFWORKS_PLUGIN_DIALOG_H

#include "hostapi/messages.h"
#include "palette/adm_dialog.h"

class KerfworksPluginDialog : public BaseADMDialog {
 public:
  // Creates the host dialog; its Init runs before this returns. Without a dialog (the host could
  // not build it) the object exists unbound.
  explicit KerfworksPluginDialog(SPPluginRef pluginRef);
  // Saves the settings, then destroys the host dialog if it is still bound.
  ~KerfworksPluginDialog() override;

  ASErr Init() override;
  void Notify(ADMNotifierRef notifier) override;
  void Destroy() override;

  // Lays the preview out below the Redraw button across the palette's full width.
  void Relayout();
  ASErr OnArtSelectionChanged(AINotifierMessage* message);

  // The owner's pointer to this palette; it is cleared when the palette goes, also when the host
  // destroys the dialog and with it the palette, so the owner never holds a dangling pointer.
  void SetOwnerSlot(KerfworksPluginDialog** slot) { ownerSlot_ = slot; }

 private:
  void WireItems(SPPluginRef pluginRef);
  void SetSizeLimits();
  void Place();
  void SetPaletteIcons(SPPluginRef pluginRef);

  // Kept from creation: asking the host for it again can fail, and a null one reaches every call.
  SPPluginRef pluginRef_;
  KerfworksPluginDialog** ownerSlot_ = nullptr;
};

#endif  // KERFWORKS_PALETTE_KERFWORKS_PLUGIN_DIALOG_H
