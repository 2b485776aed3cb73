// Viewports: how a viewBox is fitted into a rectangle under preserveAspectRatio.
#ifndef KERFWORKS_TOOLS_KWHOST_SVG_SVG_VIEWPORT_H
#define KERFWORKS_TOOLS_KWHOST_SVG_SVG_VIEWPORT_H

#include <2geom/affine.h>

#include <optional>
#include <string_view>

namespace svg {

struct ViewBox {
  double x = 0, y = 0, width = 0, height = 0;
};

// nullopt unless four numbers with a positive width and height.
std::optional<ViewBox> ParseViewBox(std::string_view text);

struct AspectRatio {
  bool none = false;                  // stretch to fill, not uniformly
  double alignX = 0.5, alignY = 0.5;  // 0 min, 0.5 mid, 1 max
  bool slice = false;                 // cover the rectangle rather than fit inside it
};

// "xMidYMid meet" when empty; nullopt when unreadable.
std::optional<AspectRatio> ParseAspectRatio(std::string_view text);

// Maps the viewBox onto the rectangle at (x, y) of `width` by `height`.
Geom::Affine FitViewBox(const ViewBox& box, const AspectRatio& ratio, double x, double y,
                        double width, double height);

}  // namespace svg

#endif  // KERFWORKS_TOOLS_KWHOST_SVG_SVG_VIEWPORT_H
