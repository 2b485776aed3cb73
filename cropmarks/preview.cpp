#include "cropmarks/preview.h"

#include "cropmarks/crop_mark_shapes.h"
#include "cropmarks/crop_marks.h"
#include "output/art_filters.h"
#include "output/cut_mark_tag.h"
#include "output/output_art.h"
#include "output/settings.h"
#include "resources/palette_items.h"
#include "wrappers/host_suites.h"

namespace {

constexpr std::int32_t kNoCropMarksPicture = 1006;
constexpr std::int32_t kCropMarksPicture = 1008;

// The Crop-marks button shows whether the document has crop marks; other pictures stay.
void ShowCropMarkState(ADMItemRef item, bool hasMarks) {
  ADMDialogRef dialog = sADMItem->GetDialog(item);
  if (dialog == nullptr) return;
  ADMItemRef button = sADMDialog->GetItem(dialog, kCropMarksButton);
  if (button == nullptr) return;
  std::int32_t picture = 0;
  const char* name = nullptr;
  sADMItem->GetPictureID(button, &picture, &name);
  if (hasMarks && picture == kNoCropMarksPicture) {
    sADMItem->SetPictureID(button, kCropMarksPicture, kButtonPictureName);
  } else if (!hasMarks && picture == kCropMarksPicture) {
    sADMItem->SetPictureID(button, kNoCropMarksPicture, kButtonPictureName);
  }
}

// Moves the picture so that the crop marks' outer corner falls on the drawn page's corner:
// the upper left for the machine types that measure from the top, else the lower left.
void ShiftByMargins(PreviewFrame& frame) {
  frame.marginShiftX = HundredthsToPoints(gCropMarkSettings.leftMargin);
  const float y = HundredthsToPoints(gCropMarkSettings.bottomMargin);
  frame.marginShiftY = MeasuresFromTop(gCropMarkSettings.machineType) ? -y : y;
}

// The art the cut would write, drawn in its colour: marked paths red, others black, and in the
// marked output mode only the marked ones.
void DrawArt(AIArtHandle art, AILayerHandle currentLayer, const PreviewFrame& frame,
             AIRealPoint origin, ADMDrawerRef drawer) {
  if (!PassesPaintTest(art)) return;
  if (kADM_bCurrentLayer && !OnLayer(art, currentLayer)) return;
  if (HasArtTag(art, kCropMarkTag)) return;
  if (!IsPathArt(art)) return;
  const float shiftX = origin.h - frame.marginShiftX;
  const float shiftY = origin.v - frame.marginShiftY;
  if (HasArtTag(art, kCutMarkTag)) {
    sADMDrawer->SetADMColor(drawer, kADMRedColor);
    DrawPathOutline(art, frame, shiftX, shiftY, drawer);
    sADMDrawer->SetADMColor(drawer, kADMBlackColor);
  } else if (!kADM_bMarkedObj) {
    sADMDrawer->SetADMColor(drawer, kADMBlackColor);
    DrawPathOutline(art, frame, shiftX, shiftY, drawer);
  }
}

}  // namespace

void KW_API DrawPreview(ADMItemRef item, ADMDrawerRef drawer) {
  if (!HostSuitesHeld()) return;
  AIDocumentSetup setup{};
  if (sAIDocument->GetDocumentSetup(&setup) != kNoErr) return;

  ASRect bounds{0, 0, 0, 0};
  sADMDrawer->GetBoundsRect(drawer, &bounds);
  sADMDrawer->SetADMColor(drawer, kADMBackgroundColor);
  sADMDrawer->FillRect(drawer, &bounds);
  sADMDrawer->SetADMColor(drawer, kADMBlackColor);

  const bool hasMarks = DocumentHasCropMarks();
  ShowCropMarkState(item, hasMarks);

  PreviewFrame frame{bounds, setup.width, setup.height, 0.0f, 0.0f};
  if (!FitPageRect(frame.page, drawer, setup.width, setup.height)) return;
  AIRealPoint origin{0.0f, 0.0f};
  sAIDocument->GetDocumentRulerOrigin(&origin);

  const float radius = HundredthsToPoints(gCropMarkRadius);
  if (hasMarks) {
    ShiftByMargins(frame);
    DrawInnerArea(ComputeCropMarkRect(), radius, frame, drawer);
  }

  AILayerHandle currentLayer = nullptr;
  sAILayer->GetCurrentLayer(&currentLayer);
  AIArtHandle* list = nullptr;
  std::int32_t count = 0;
  if (!CollectOutputArt(&list, &count)) return;
  for (std::int32_t i = 0; i < count; ++i) DrawArt(list[i], currentLayer, frame, origin, drawer);
  sAIMatchingArt->ReleaseArtList(list);

  if (!hasMarks) return;
  for (const auto& [x, y] : CircleCorners(ComputeCropMarkRect(), gCropMarkSettings.machineType)) {
    DrawCircleMark(x, y, radius, frame, drawer);
  }
}
