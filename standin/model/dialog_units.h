// Dialog templates are in dialog units; the host lays dialogs out in pixels. As Windows does, a
// horizontal unit is a quarter of the font's average character width and a vertical unit an
// eighth of its height, each coordinate and extent converted on its own and rounded half away
// from zero (MulDiv). The base units are those of the templates' fonts at 96 dots per inch:
// "MS Sans Serif" 8 is 6 x 13 pixels, "ＭＳ Ｐゴシック" 9 is 6 x 12; any other font is taken as
// 6 x 13, scaled by its size against 8 points.
#ifndef KERFWORKS_STANDIN_MODEL_DIALOG_UNITS_H
#define KERFWORKS_STANDIN_MODEL_DIALOG_UNITS_H

#include <string>

#include "hostapi/host_types.h"

namespace standin {

struct DialogBaseUnits {
  int x = 6;
  int y = 13;
};

DialogBaseUnits BaseUnitsOf(const std::string& fontName, int fontSize);

class DialogUnits {
 public:
  explicit DialogUnits(DialogBaseUnits base) : base_(base) {}
  int X(int units) const;
  int Y(int units) const;
  // (x, y, x + width, y + height) with each of x, y, width and height converted.
  ASRect Rect(int x, int y, int width, int height) const;

 private:
  DialogBaseUnits base_;
};

}  // namespace standin

#endif  // KERFWORKS_STANDIN_MODEL_DIALOG_UNITS_H
