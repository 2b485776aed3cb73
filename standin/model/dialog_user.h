// The user's side of the dialog system, for tests and tools: what a person does with the
// plug-in's dialogs (press, pick, type, resize, close) and what they see on them. Every action
// reaches the plug-in as the host calling it. An action that cannot be done (no such dialog or
// item, a hidden dialog, a size outside the limits) answers false and says why in LastError.
#ifndef KERFWORKS_STANDIN_MODEL_DIALOG_USER_H
#define KERFWORKS_STANDIN_MODEL_DIALOG_USER_H

#include <optional>
#include <string>
#include <vector>

#include "standin/model/dialog_system.h"

namespace standin {

class DialogUser {
 public:
  explicit DialogUser(Host& host);

  // --- Finding -------------------------------------------------------------------------------
  // The live dialog created with `name`, or null.
  ADMDialogRef FindDialog(const std::string& name) const;
  const DialogRecord* Dialog(ADMDialogRef dialog) const;
  // The dialog's first item with `id`, or null.
  const ItemRecord* Item(ADMDialogRef dialog, int id) const;
  // The texts of a list item's entries, and the index of the chosen one.
  std::vector<std::string> EntryTexts(const ItemRecord& item) const;
  std::optional<int> ActiveIndex(const ItemRecord& item) const;

  // --- Acting --------------------------------------------------------------------------------
  // A click on the item: its notify callback with a user-changed notifier.
  bool Press(ADMDialogRef dialog, int itemId);
  // Chooses entry `index` of a popup or list item, then notifies as a press does.
  bool Pick(ADMDialogRef dialog, int itemId, int index);
  // The flyout menu of a palette: tracking first, then the choice as Pick.
  bool PickFlyout(ADMDialogRef dialog, int index);
  // Types a number or a text into a field, then notifies as a press does.
  bool SetValue(ADMDialogRef dialog, int itemId, float value);
  bool SetText(ADMDialogRef dialog, int itemId, const std::string& text);
  // Drags the dialog to `width` x `height`: refused outside the size limits, snapped down to
  // whole increments above the minimum; a bounds-changed notification follows.
  bool Resize(ADMDialogRef dialog, int width, int height);
  // The close box of a palette: the host destroys the dialog (its destroy callback runs).
  bool Close(ADMDialogRef dialog);
  // Hides or shows a dialog by the host's own means (a palette menu, a workspace change).
  bool SetVisible(ADMDialogRef dialog, bool visible);
  // Paints the item: its draw callback with a recording drawer.
  std::optional<DrawerRecord> Redraw(ADMDialogRef dialog, int itemId);
  // Paints every item of the dialog that is waiting for it; returns them by item id.
  std::vector<std::pair<int, DrawerRecord>> RedrawPending(ADMDialogRef dialog);
  // One step of a modal script.
  bool Run(ADMDialogRef dialog, const ScriptStep& step);

  const std::string& LastError() const { return error_; }

 private:
  ItemRecord* ActionItem(ADMDialogRef dialog, int itemId);
  bool Fail(std::string why);

  DialogSystem& system_;
  std::string error_;
};

}  // namespace standin

#endif  // KERFWORKS_STANDIN_MODEL_DIALOG_USER_H
