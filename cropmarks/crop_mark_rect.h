// Where the crop marks lie: the rectangle whose corners are the registration circles' centres.
#ifndef KERFWORKS_CROPMARKS_CROP_MARK_RECT_H
#define KERFWORKS_CROPMARKS_CROP_MARK_RECT_H

#include <cstdint>
#include <utility>
#include <vector>

#include "output/settings.h"

// Page coordinates in points: x from the page's left edge, y up from its bottom edge; top > bottom.
struct CropMarkRect {
  float left;
  float top;
  float right;
  float bottom;
};

// The corner strokes' arm length, and the extra shift of types 4 to 7: 5 mm whatever the radius.
inline constexpr std::int32_t kCornerStrokeLength = 500;

// HundredthsToPoints of a + b, the sum formed in hundredths (clamped to the int32 range, so that
// absurd stored settings cannot overflow).
float SumToPoints(std::int32_t a, std::int32_t b);

// The corners of `rect` that carry a registration circle for machine `type`, in the order the
// circles are numbered and drawn.
std::vector<std::pair<float, float>> CircleCorners(const CropMarkRect& rect, std::int32_t type);

// The rectangle for the current crop settings. Types 0 to 2 read the page height from the current
// document's setup (0 when there is none).
CropMarkRect ComputeCropMarkRect();

#endif  // KERFWORKS_CROPMARKS_CROP_MARK_RECT_H
