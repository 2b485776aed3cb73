#include "output/settings.h"

#include <cmath>
#include <limits>

#include "wrappers/host_suites.h"

AIBoolean kADM_bSelectObj = 0;
AIBoolean kADM_bCurrentLayer = 0;
AIBoolean kADM_bSelectColor = 0;
AIBoolean kADM_bMarkedObj = 0;
std::int32_t kADM_selectionCode = 0;
CropMarkSettings gCropMarkSettings{};
std::int32_t gCropMarkRadius = 0;
CropMarkSettings MachineTypeTable[kMachineTypeCount]{};

namespace {

constexpr CropMarkSettings kMachineDefaults[kMachineTypeCount] = {
    {2500, 600, 15000, 25000, 0},   // MA-1
    {2300, 600, 24000, 16300, 1},   // MA-2
    {2300, 600, 24000, 16300, 2},   // MA-3
    {1500, 2000, 17000, 21000, 3},  // MB-1
    {1000, 2500, 17000, 21500, 4},  // MB-2
    {1000, 2500, 17000, 21500, 5},  // MB-3
    {1000, 2500, 17000, 21500, 6},  // MB-4
    {1000, 2500, 17000, 21500, 7},  // MB-5
};

void ClearOutputMode() {
  kADM_bMarkedObj = 0;
  kADM_bSelectColor = 0;
  kADM_bCurrentLayer = 0;
  kADM_bSelectObj = 0;
}

}  // namespace

void LoadSettings() {
  ClearOutputMode();
  kADM_selectionCode = kDefaultSelectionCode;
  for (int row = 0; row < kMachineTypeCount; ++row) MachineTypeTable[row] = kMachineDefaults[row];
  gCropMarkSettings = MachineTypeTable[kDefaultMachineType];
  gCropMarkRadius = kCropMarkRadius;

  if (sAIPreference == nullptr) return;
  sAIPreference->GetBooleanPreference(kPreferenceSection, kKeySelectObj, &kADM_bSelectObj);
  sAIPreference->GetBooleanPreference(kPreferenceSection, kKeyCurrentLayer, &kADM_bCurrentLayer);
  sAIPreference->GetBooleanPreference(kPreferenceSection, kKeySelectColor, &kADM_bSelectColor);
  sAIPreference->GetBooleanPreference(kPreferenceSection, kKeyMarkedObj, &kADM_bMarkedObj);
  sAIPreference->GetIntegerPreference(kPreferenceSection, kKeySelectionCode, &kADM_selectionCode);
  sAIPreference->GetIntegerPreference(kPreferenceSection, kKeyCropLeftMargin,
                                      &gCropMarkSettings.leftMargin);
  sAIPreference->GetIntegerPreference(kPreferenceSection, kKeyCropBottomMargin,
                                      &gCropMarkSettings.bottomMargin);
  sAIPreference->GetIntegerPreference(kPreferenceSection, kKeyCropHorzDistance,
                                      &gCropMarkSettings.horzDistance);
  sAIPreference->GetIntegerPreference(kPreferenceSection, kKeyCropVertDistance,
                                      &gCropMarkSettings.vertDistance);
  sAIPreference->GetIntegerPreference(kPreferenceSection, kKeyCropMachineType,
                                      &gCropMarkSettings.machineType);
}

void SetOutputMode(int entryIndex) {
  ClearOutputMode();
  switch (entryIndex) {
    case kOutputSelected:
      kADM_bSelectObj = 1;
      break;
    case kOutputCurrentLayer:
      kADM_bCurrentLayer = 1;
      break;
    case kOutputMarked:
      kADM_bMarkedObj = 1;
      break;
    default:
      break;
  }
}

int OutputModeFromFlags() {
  if (kADM_bSelectObj) return kOutputSelected;
  if (kADM_bCurrentLayer) return kOutputCurrentLayer;
  if (kADM_bMarkedObj) return kOutputMarked;
  return kOutputAll;
}

float HundredthsToPoints(std::int64_t hundredths) {
  const double points = static_cast<double>(hundredths) * 72.0 / 25.4 / 100.0;
  return static_cast<float>(points);
}

float HundredthsToMillimetres(std::int32_t hundredths) {
  return static_cast<float>(static_cast<double>(hundredths) / 100.0);
}

std::int32_t MillimetresToHundredths(float millimetres) {
  const double hundredths = (static_cast<double>(millimetres) + 0.005) * 100.0;
  // Converting a double outside the int32 range is undefined; an edit field can hold such a value.
  if (std::isnan(hundredths)) return 0;
  constexpr double kMax = std::numeric_limits<std::int32_t>::max();
  constexpr double kMin = std::numeric_limits<std::int32_t>::min();
  if (hundredths >= kMax) return std::numeric_limits<std::int32_t>::max();
  if (hundredths <= kMin) return std::numeric_limits<std::int32_t>::min();
  return static_cast<std::int32_t>(hundredths);
}
