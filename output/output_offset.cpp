#include "output/output_offset.h"

#include <cstdint>

#include "output/settings.h"
#include "wrappers/host_suites.h"

namespace {

float Minus(float value, float amount) {
  return static_cast<float>(static_cast<double>(value) - static_cast<double>(amount));
}

}  // namespace

AIRealPoint ComputeOutputOffset(bool hasCropMarks) {
  AIRealPoint offset{0, 0};
  sAIDocument->GetDocumentRulerOrigin(&offset);
  if (!hasCropMarks) return offset;

  const CropMarkSettings& crop = gCropMarkSettings;
  offset.h = Minus(offset.h, HundredthsToPoints(crop.leftMargin));
  if (MeasuresFromTop(crop.machineType)) {
    AIDocumentSetup setup{};
    sAIDocument->GetDocumentSetup(&setup);
    const std::int64_t topToUpperMarks =
        std::int64_t{crop.bottomMargin} + 2 * std::int64_t{kCropMarkRadius} + crop.vertDistance;
    // H - M is not rounded on its own.
    const double pageBelowMarks = static_cast<double>(setup.height) -
                                  static_cast<double>(HundredthsToPoints(topToUpperMarks));
    offset.v = static_cast<float>(static_cast<double>(offset.v) - pageBelowMarks);
    return offset;
  }
  offset.v = Minus(offset.v, HundredthsToPoints(crop.bottomMargin));
  if (HasCornerStrokes(crop.machineType)) {
    const float radius = HundredthsToPoints(kCropMarkRadius);
    offset.h = Minus(offset.h, radius);
    offset.v = Minus(offset.v, radius);
  }
  return offset;
}
