#include "commands/palette_button.h"

#include "commands/commands.h"
#include "commands/cut_command.h"
#include "cropmarks/crop_marks.h"
#include "resources/palette_items.h"
#include "wrappers/app_context.h"
#include "wrappers/dialog_helpers.h"
#include "wrappers/exception_guard.h"
#include "wrappers/host_suites.h"

namespace {

void RunButtonCommand(int32_t itemId, SPPluginRef pluginRef, ADMDialogRef dialog) {
  switch (itemId) {
    case kOutputButton:
      RunCutCommand(pluginRef);
      break;
    case kOutlineTextButton:
      OutlineTextCommand();
      break;
    case kOutlineStrokeButton:
      OutlineStrokeCommand();
      break;
    case kMergePathsButton:
      MergePathsCommand();
      break;
    case kOffsetPathButton:
      OffsetPathCommand();
      break;
    case kMarkPathsButton:
      MarkPathsCommand();
      break;
    case kCropMarksButton:
      ToggleCropMarks();
      break;
    case kRedrawButton:
      InvalidateItem(dialog, kPreviewItem);
      break;
    default:
      break;
  }
}

}  // namespace

void KW_API PaletteButtonNotifyProc(ADMItemRef item, ADMNotifierRef notifier) {
  if (!HostSuitesHeld()) return;
  const ADMDialogRef dialog = sADMItem->GetDialog(item);
  const SPPluginRef pluginRef = DialogPlugin(dialog);
  const ai::AppContext context(pluginRef);
  // A command's host error must not cross into the host.
  GuardExceptions([&] {
    sADMItem->DefaultNotify(item, notifier);
    // Without its dialog or plug-in (a host call failed) the press cannot be acted on.
    if (IsUserChange(notifier) && pluginRef != nullptr) {
      RunButtonCommand(sADMItem->GetID(item), pluginRef, dialog);
    }
    return kNoErr;
  });
}
