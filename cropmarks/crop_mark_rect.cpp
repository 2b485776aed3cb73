#include "cropmarks/crop_mark_rect.h"

#include <algorithm>
#include <limits>

#include "wrappers/host_suites.h"

namespace {

float PageHeight() {
  AIDocumentSetup setup{};
  sAIDocument->GetDocumentSetup(&setup);
  return setup.height;
}

}  // namespace

float SumToPoints(std::int32_t a, std::int32_t b) {
  const std::int64_t sum = std::int64_t{a} + b;
  const std::int64_t clamped = std::clamp<std::int64_t>(
      sum, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max());
  return HundredthsToPoints(static_cast<std::int32_t>(clamped));
}

CropMarkRect ComputeCropMarkRect() {
  const CropMarkSettings& s = gCropMarkSettings;
  CropMarkRect rect{};
  rect.left = SumToPoints(s.leftMargin, gCropMarkRadius);
  rect.right = HundredthsToPoints(s.horzDistance) + rect.left;
  if (MeasuresFromTop(s.machineType)) {
    rect.top = PageHeight() - SumToPoints(s.bottomMargin, gCropMarkRadius);
    rect.bottom = rect.top - HundredthsToPoints(s.vertDistance);
    return rect;
  }
  rect.bottom = SumToPoints(s.bottomMargin, gCropMarkRadius);
  rect.top = HundredthsToPoints(s.vertDistance) + rect.bottom;
  if (HasCornerStrokes(s.machineType)) {
    const float shift = HundredthsToPoints(kCornerStrokeLength);
    rect.left += shift;
    rect.top += shift;
    rect.right += shift;
    rect.bottom += shift;
  }
  return rect;
}

std::vector<std::pair<float, float>> CircleCorners(const CropMarkRect& rect, std::int32_t type) {
  if (MeasuresFromTop(type)) {
    return {{rect.left, rect.top}, {rect.right, rect.top}, {rect.left, rect.bottom}};
  }
  std::vector<std::pair<float, float>> corners = {
      {rect.left, rect.bottom}, {rect.right, rect.bottom}, {rect.left, rect.top}};
  if (HasCornerStrokes(type)) corners.emplace_back(rect.right, rect.top);
  return corners;
}
