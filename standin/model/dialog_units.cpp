#include "standin/model/dialog_units.h"

#include <cstdlib>

namespace standin {
namespace {

// "ＭＳ Ｐゴシック" in UTF-8, as the resource reader hands it out.
constexpr char kJapaneseDialogFont[] =
    "\xEF\xBC\xAD\xEF\xBC\xB3 \xEF\xBC\xB0\xE3\x82\xB4\xE3\x82\xB7\xE3\x83\x83\xE3\x82\xAF";

// Rounds a * b / c half away from zero.
int MulDiv(int a, int b, int c) {
  const long long product = static_cast<long long>(a) * b;
  const long long half = c / 2;
  const long long q = (std::llabs(product) + half) / c;
  return static_cast<int>(product < 0 ? -q : q);
}

}  // namespace

DialogBaseUnits BaseUnitsOf(const std::string& fontName, int fontSize) {
  if (fontName == "MS Sans Serif" && fontSize == 8) return {6, 13};
  if (fontName == kJapaneseDialogFont && fontSize == 9) return {6, 12};
  if (fontSize <= 0) return {};
  return {MulDiv(6, fontSize, 8), MulDiv(13, fontSize, 8)};
}

int DialogUnits::X(int units) const {
  return MulDiv(units, base_.x, 4);
}

int DialogUnits::Y(int units) const {
  return MulDiv(units, base_.y, 8);
}

ASRect DialogUnits::Rect(int x, int y, int width, int height) const {
  const int left = X(x);
  const int top = Y(y);
  return {left, top, left + X(width), top + Y(height)};
}

}  // namespace standin
