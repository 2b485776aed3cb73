// The plug-in's process-wide settings: output mode, paint-class mask, crop-mark layout, the
// per-machine defaults, the preference keys they persist under, and the unit conversions.
//
// Every setting is named by its preference key and is zero until LoadSettings gives it its default
// and then the stored value. Only the palette, its output-mode popup and the crop-marks dialog
// change them; everything runs on the host's user-interface thread. They live beside the output,
// the lowest folder that reads them, so that commands and crop marks need not reach up to the
// palette for them.
#ifndef KERFWORKS_OUTPUT_SETTINGS_H
#define KERFWORKS_OUTPUT_SETTINGS_H

#include <cstdint>

#include "hostapi/host_types.h"

// The crop-mark layout; lengths in hundredths of a millimetre.
struct CropMarkSettings {
  std::int32_t leftMargin;    // X, to the edge of the left-hand marks
  std::int32_t bottomMargin;  // Y, from the bottom edge (machine types 0 to 2: from the top)
  std::int32_t horzDistance;  // W, between the left and right mark centres
  std::int32_t vertDistance;  // L, between the lower and upper mark centres
  std::int32_t machineType;   // row of MachineTypeTable
};

inline constexpr int kMachineTypeCount = 8;
inline constexpr std::int32_t kDefaultMachineType = 3;  // MB-1
inline constexpr std::int32_t kDefaultSelectionCode = 14;
inline constexpr std::int32_t kCropMarkRadius = 500;  // 5 mm; not a preference

// Machine types 0 to 2 measure the bottom margin down from the page's top edge.
constexpr bool MeasuresFromTop(std::int32_t machineType) {
  return machineType >= 0 && machineType <= 2;
}
// Machine types 4 to 7 have four circles, corner strokes, and everything 5 mm further out.
constexpr bool HasCornerStrokes(std::int32_t machineType) {
  return machineType >= 4 && machineType < kMachineTypeCount;
}

// --- Preference section and keys --------------------------------------------------------------
inline constexpr char kPreferenceSection[] = "KerfworksPluginDialog";
inline constexpr char kKeySelectObj[] = "kADM_bSelectObj";
inline constexpr char kKeyCurrentLayer[] = "kADM_bCurrentLayer";
inline constexpr char kKeySelectColor[] = "kADM_bSelectColor";
inline constexpr char kKeyMarkedObj[] = "kADM_bMarkedObj";
inline constexpr char kKeySelectionCode[] = "kADM_selectionCode";
inline constexpr char kKeyCropLeftMargin[] = "kADM_cropLeftMargin";
inline constexpr char kKeyCropBottomMargin[] = "kADM_cropBottomMargin";
inline constexpr char kKeyCropHorzDistance[] = "kADM_cropHorzDistance";
inline constexpr char kKeyCropVertDistance[] = "kADM_cropVertDistance";
inline constexpr char kKeyCropMachineType[] = "kADM_cropMachineType";
// The palette's placement, read and written by the palette itself.
inline constexpr char kKeyDockGroup[] = "kADM_DPDockGroupStr";
inline constexpr char kKeyDockCode[] = "kADM_DPDockCodeStr";
inline constexpr char kKeyLocation[] = "kADM_DPLocationStr";
inline constexpr char kKeySize[] = "kADM_DPSizeStr";
inline constexpr char kKeyVisible[] = "kADM_DPVisibleStr";

inline constexpr char kDefaultDockGroup[] = "SDK Dialogs";
inline constexpr int kDockGroupCapacity = 64;  // bytes, terminator included
inline constexpr std::int32_t kDefaultDockCode = 7168;
inline constexpr std::int32_t kDefaultPaletteWidth = 420;
inline constexpr std::int32_t kDefaultPaletteHeight = 422;

// --- The settings -----------------------------------------------------------------------------
// Output-mode booleans (32-bit, as the preference suite reads them).
extern AIBoolean kADM_bSelectObj;
extern AIBoolean kADM_bCurrentLayer;
extern AIBoolean kADM_bSelectColor;  // loaded, saved and cleared; nothing else reads it
extern AIBoolean kADM_bMarkedObj;
// Paint classes let through: bit (1 << class), class = 2 * stroked + filled.
extern std::int32_t kADM_selectionCode;
// The current crop settings: kADM_cropLeftMargin, kADM_cropBottomMargin, kADM_cropHorzDistance,
// kADM_cropVertDistance and kADM_cropMachineType, in this order.
extern CropMarkSettings gCropMarkSettings;
// Set to kCropMarkRadius by LoadSettings.
extern std::int32_t gCropMarkRadius;
// Per-machine defaults; row r holds machine type r.
extern CropMarkSettings MachineTypeTable[kMachineTypeCount];

// Output-mode popup entries.
enum OutputMode : int {
  kOutputAll = 0,
  kOutputSelected = 1,
  kOutputCurrentLayer = 2,
  kOutputMarked = 3
};

// Gives every setting its default, then reads the stored values from the preference section (a key
// that is missing or fails to read keeps its default). Needs sAIPreference.
void LoadSettings();

// Clears the four output-mode booleans, then sets the one of `entryIndex` (1 Selected, 2 Current
// layer, 3 Marked); any other index leaves all four false.
void SetOutputMode(int entryIndex);

// The popup entry the booleans show: Selected, then Current layer, then Marked win; else All.
int OutputModeFromFlags();

// hundredths * 72 / 25.4 / 100 in double precision, in this order, rounded to float at the end.
// Takes 64 bits so that sums of settings can be formed without overflow; any int32 converts alike.
float HundredthsToPoints(std::int64_t hundredths);

// hundredths / 100 in double precision, rounded to float.
float HundredthsToMillimetres(std::int32_t hundredths);

// (mm as double + 0.005) * 100, truncated toward zero; values beyond the int32 range saturate and
// NaN gives 0.
std::int32_t MillimetresToHundredths(float millimetres);

#endif  // KERFWORKS_OUTPUT_SETTINGS_H
