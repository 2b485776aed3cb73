#include "palette/crop_marks_dialog.h"

#include "cropmarks/crop_marks.h"
#include "output/settings.h"
#include "resources/palette_items.h"
#include "wrappers/app_context.h"
#include "wrappers/dialog_helpers.h"
#include "wrappers/exception_guard.h"
#include "wrappers/host_suites.h"

CropMarkSettings gCropMarksWorkingCopy{};

namespace {

constexpr char kCropMarksDialogName[] = "kerfworks-Edit";
constexpr int32_t kCropMarksDialogId = 16201;
constexpr int32_t kMachineTypeMenuId = 702;
constexpr int32_t kPlainNumbers = 0;
constexpr int32_t kThreeMarksFromTopPicture = 1017;
constexpr int32_t kThreeMarksPicture = 1016;
constexpr int32_t kFourMarksPicture = 132;

struct LengthField {
  int32_t itemId;
  int32_t CropMarkSettings::*length;
  float minimum;
  float maximum;
};

// In the order the dialog fills them.
constexpr LengthField kLengthFields[] = {
    {kCropLeftMarginField, &CropMarkSettings::leftMargin, 0.0f, 50.0f},
    {kCropBottomMarginField, &CropMarkSettings::bottomMargin, 0.0f, 50.0f},
    {kCropHorzDistanceField, &CropMarkSettings::horzDistance, 50.0f, 1616.0f},
    {kCropVertDistanceField, &CropMarkSettings::vertDistance, 50.0f, 3200.0f},
};

void ShowWorkingLengths(ADMDialogRef dialog) {
  for (const LengthField& field : kLengthFields) {
    if (ADMItemRef item = sADMDialog->GetItem(dialog, field.itemId); item != nullptr) {
      sADMItem->SetFloatValue(item, HundredthsToMillimetres(gCropMarksWorkingCopy.*field.length));
    }
  }
}

}  // namespace

int32_t CropMarksPictureFor(int32_t machineType) {
  if (MeasuresFromTop(machineType)) return kThreeMarksFromTopPicture;
  if (HasCornerStrokes(machineType)) return kFourMarksPicture;
  return kThreeMarksPicture;
}

int32_t RunCropMarksDialog(SPPluginRef pluginRef) {
  return sADMDialog->Modal(pluginRef, kCropMarksDialogName, kCropMarksDialogId,
                           kADMModalDialogStyle, &CropMarksDialogInit, nullptr, 0);
}

ASErr KW_API CropMarksDialogInit(ADMDialogRef dialog) {
  return GuardExceptions([&] {
    gCropMarksWorkingCopy = gCropMarkSettings;
    if (ADMItemRef popup = sADMDialog->GetItem(dialog, kCropMachineTypePopup); popup != nullptr) {
      sADMItem->SetNotifyProc(popup, &MachineTypeNotifyProc);
      if (const ADMListRef list = sADMItem->GetList(popup); list != nullptr) {
        sADMList->SetMenuID(list, kMachineTypeMenuId);
        const ADMEntryRef entry = sADMList->IndexEntry(list, gCropMarksWorkingCopy.machineType);
        if (entry != nullptr) sADMEntry->Select(entry, 1);
      }
    }
    for (const LengthField& field : kLengthFields) {
      const ADMItemRef item = sADMDialog->GetItem(dialog, field.itemId);
      if (item == nullptr) continue;
      sADMItem->SetUnits(item, kPlainNumbers);
      sADMItem->SetFloatValue(item, HundredthsToMillimetres(gCropMarksWorkingCopy.*field.length));
      sADMItem->SetMinFloatValue(item, field.minimum);
      sADMItem->SetMaxFloatValue(item, field.maximum);
    }
    if (ADMItemRef ok = sADMDialog->GetItem(dialog, kCropOkButton); ok != nullptr) {
      sADMItem->SetNotifyProc(ok, &CropMarksOkNotifyProc);
    }
    if (ADMItemRef picture = sADMDialog->GetItem(dialog, kCropPictureItem); picture != nullptr) {
      sADMItem->SetItemStyle(picture, kPictureItemStyle);
      sADMItem->SetDrawProc(picture, &CropMarksPictureDrawProc);
    }
    return kNoErr;
  });
}

void KW_API MachineTypeNotifyProc(ADMItemRef item, ADMNotifierRef notifier) {
  if (!IsUserChange(notifier)) return;
  if (sADMItem->GetID(item) != kCropMachineTypePopup) return;
  const int32_t row = ChosenEntryIndex(item);
  if (row < 0 || row >= kMachineTypeCount) return;
  gCropMarksWorkingCopy = MachineTypeTable[row];
  gCropMarksWorkingCopy.machineType = row;
  const ADMDialogRef dialog = sADMItem->GetDialog(item);
  if (dialog == nullptr) return;
  InvalidateItem(dialog, kCropPictureItem);
  ShowWorkingLengths(dialog);
}

void KW_API CropMarksOkNotifyProc(ADMItemRef item, ADMNotifierRef notifier) {
  const ADMDialogRef dialog = sADMItem->GetDialog(item);
  const SPPluginRef pluginRef = DialogPlugin(dialog);
  const ai::AppContext context(pluginRef);
  GuardExceptions([&] {
    sADMItem->DefaultNotify(item, notifier);
    // Without its dialog (a host call failed) the fields cannot be read: the settings stay.
    if (pluginRef == nullptr || !IsUserChange(notifier) || sADMItem->GetID(item) != kCropOkButton) {
      return kNoErr;
    }
    for (const LengthField& field : kLengthFields) {
      if (ADMItemRef edit = sADMDialog->GetItem(dialog, field.itemId); edit != nullptr) {
        gCropMarkSettings.*field.length = MillimetresToHundredths(sADMItem->GetFloatValue(edit));
      }
    }
    // With no model chosen (an unknown stored type shows none) the type stays as it was.
    if (ADMItemRef popup = sADMDialog->GetItem(dialog, kCropMachineTypePopup); popup != nullptr) {
      if (const int32_t chosen = ChosenEntryIndex(popup); chosen >= 0) {
        gCropMarkSettings.machineType = chosen;
      }
    }
    RebuildCropMarks();
    return kNoErr;
  });
}

void KW_API CropMarksPictureDrawProc(ADMItemRef item, ADMDrawerRef drawer) {
  const SPPluginRef pluginRef = DialogPlugin(sADMItem->GetDialog(item));
  if (pluginRef == nullptr) return;
  ASRect bounds{};
  sADMDrawer->GetBoundsRect(drawer, &bounds);
  sADMDrawer->DrawResPictureCentered(
      drawer, pluginRef, CropMarksPictureFor(gCropMarksWorkingCopy.machineType), &bounds);
}
