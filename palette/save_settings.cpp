#include "palette/save_settings.h"

#include "output/settings.h"
#include "wrappers/host_suites.h"

namespace {

void SavePlacement(ADMDialogRef palette) {
  const char* group = nullptr;
  int32_t code = 0;
  if (sADMDialogGroup->GetDialogGroupInfo(palette, &group, &code) == kNoErr && group != nullptr) {
    sAIPreference->PutIntegerPreference(kPreferenceSection, kKeyDockCode, code);
    sAIPreference->PutStringPreference(kPreferenceSection, kKeyDockGroup, group);
  }
  ASRect bounds{};
  sADMDialog->GetBoundsRect(palette, &bounds);
  const ASPoint location{bounds.left, bounds.top};
  const ASPoint size{bounds.right - bounds.left, bounds.bottom - bounds.top};
  sAIPreference->PutPointPreference(kPreferenceSection, kKeyLocation, &location);
  sAIPreference->PutPointPreference(kPreferenceSection, kKeySize, &size);
  sAIPreference->PutBooleanPreference(kPreferenceSection, kKeyVisible,
                                      sADMDialog->IsVisible(palette));
}

}  // namespace

void SaveSettings(ADMDialogRef palette) {
  if (palette != nullptr) SavePlacement(palette);
  const auto putBoolean = [](const char* key, AIBoolean value) {
    sAIPreference->PutBooleanPreference(kPreferenceSection, key, value);
  };
  const auto putInteger = [](const char* key, int32_t value) {
    sAIPreference->PutIntegerPreference(kPreferenceSection, key, value);
  };
  putBoolean(kKeySelectObj, kADM_bSelectObj);
  putBoolean(kKeyCurrentLayer, kADM_bCurrentLayer);
  putBoolean(kKeySelectColor, kADM_bSelectColor);
  putBoolean(kKeyMarkedObj, kADM_bMarkedObj);
  putInteger(kKeySelectionCode, kADM_selectionCode);
  putInteger(kKeyCropLeftMargin, gCropMarkSettings.leftMargin);
  putInteger(kKeyCropBottomMargin, gCropMarkSettings.bottomMargin);
  putInteger(kKeyCropHorzDistance, gCropMarkSettings.horzDistance);
  putInteger(kKeyCropVertDistance, gCropMarkSettings.vertDistance);
  putInteger(kKeyCropMachineType, gCropMarkSettings.machineType);
}
