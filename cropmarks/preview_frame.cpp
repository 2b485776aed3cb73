#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

#include "cropmarks/preview.h"
#include "wrappers/host_suites.h"

namespace {

// Toward zero, as a C conversion does, but held within the int32 range: a huge or undefined value
// (a page of absurd size) must not become undefined behaviour.
std::int32_t TruncToPixel(double value) {
  if (std::isnan(value)) return 0;
  constexpr double kMin = std::numeric_limits<std::int32_t>::min();
  constexpr double kMax = std::numeric_limits<std::int32_t>::max();
  return static_cast<std::int32_t>(std::clamp(value, kMin, kMax));
}

struct Scales {
  float sx;
  float sy;
  // The smaller one; sy when they are equal.
  float Fit() const { return sx < sy ? sx : sy; }
};

// The rectangle's extent is cut to 16 bits, as the host's drawing coordinates are.
Scales ScalesFor(const ASRect& rect, float pageWidth, float pageHeight) {
  const auto w = static_cast<std::int16_t>(rect.right - rect.left);
  const auto h = static_cast<std::int16_t>(rect.bottom - rect.top);
  return {static_cast<float>(w) / pageWidth, static_cast<float>(h) / pageHeight};
}

bool HasArea(float pageWidth, float pageHeight) {
  return std::isfinite(pageWidth) && std::isfinite(pageHeight) && pageWidth > 0 && pageHeight > 0;
}

}  // namespace

bool FitPageRect(ASRect& rect, ADMDrawerRef drawer, float pageWidth, float pageHeight) {
  if (!HasArea(pageWidth, pageHeight)) return false;
  const Scales scales = ScalesFor(rect, pageWidth, pageHeight);
  const float s = scales.Fit();
  ASRect page{0, 0, 0, 0};
  if (scales.sy < scales.sx) {
    page.left = TruncToPixel((scales.sx - scales.sy) * pageWidth / 2 + 0.5);
  } else {
    page.top = TruncToPixel((scales.sy - scales.sx) * pageHeight / 2 + 0.5);
  }
  page.right = TruncToPixel(s * pageWidth + 0.5 + page.left);
  page.bottom = TruncToPixel(s * pageHeight + 0.5 + page.top);
  rect = page;
  sADMDrawer->SetADMColor(drawer, kADMWhiteColor);
  sADMDrawer->FillRect(drawer, &rect);
  sADMDrawer->SetADMColor(drawer, kADMBlackColor);
  return true;
}

float PreviewScale(const PreviewFrame& frame) {
  return ScalesFor(frame.page, frame.pageWidth, frame.pageHeight).Fit();
}

ASPoint PreviewPoint(const PreviewFrame& frame, float x, float y) {
  const float s = PreviewScale(frame);
  const ASRect& page = frame.page;
  return {TruncToPixel(x * s + 0.5 + page.left),
          TruncToPixel((page.bottom - page.top) + 0.5 - y * s + page.top)};
}
