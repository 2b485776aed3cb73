#include "palette/palette_handlers.h"

#include "output/settings.h"
#include "palette/crop_marks_dialog.h"
#include "palette/help_about.h"
#include "resources/palette_items.h"
#include "wrappers/dialog_helpers.h"
#include "wrappers/exception_guard.h"
#include "wrappers/host_suites.h"

void KW_API FlyoutNotifyProc(ADMItemRef item, ADMNotifierRef notifier) {
  if (!HostSuitesHeld()) return;
  GuardExceptions([&] {
    if (!IsUserChange(notifier)) return kNoErr;
    const int32_t index = ChosenEntryIndex(item);
    const ADMDialogRef dialog = sADMItem->GetDialog(item);
    // Without its dialog or plug-in (a host call failed) the choice cannot be acted on.
    const SPPluginRef pluginRef = DialogPlugin(dialog);
    if (pluginRef == nullptr) return kNoErr;
    switch (index) {
      case kFlyoutCropMarks:
        RunCropMarksDialog(pluginRef);
        InvalidateItem(dialog, kPreviewItem);
        break;
      case kFlyoutHelp:
        OpenHelp(pluginRef);
        break;
      case kFlyoutAbout:
        ShowAbout(pluginRef);
        break;
      default:
        break;
    }
    return kNoErr;
  });
}

void KW_API OutputModeNotifyProc(ADMItemRef item, ADMNotifierRef notifier) {
  if (!HostSuitesHeld() || !IsUserChange(notifier)) return;
  const int32_t index = ChosenEntryIndex(item);
  // With no entry chosen there is no new mode; the settings stay as they are.
  if (index < 0) return;
  SetOutputMode(index);
  InvalidateItem(sADMItem->GetDialog(item), kPreviewItem);
}

ASBoolean KW_API DefaultItemTrackProc(ADMItemRef item, ADMTrackerRef tracker) {
  return HostSuitesHeld() ? sADMItem->DefaultTrack(item, tracker) : 0;
}
