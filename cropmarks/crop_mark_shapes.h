// The two shape builders of a crop-mark set. Each draws into the current document, below all other
// art of the current layer, tags its paths as crop marks, numbers them and locks them. Positions
// are page coordinates in points; the builders subtract the ruler origin themselves.
#ifndef KERFWORKS_CROPMARKS_CROP_MARK_SHAPES_H
#define KERFWORKS_CROPMARKS_CROP_MARK_SHAPES_H

#include <cstdint>

// The tag that makes a path a crop mark; only its presence counts, its value is the mark number.
inline constexpr char kCropMarkTag[] = "KerfworksCropMark";

// A filled black circle of radius r around (x, y): four Bezier segments, clockwise on the page.
// Nothing is created without a current document or when the host refuses a new path.
void AddRegistrationCircle(float x, float y, float r, std::int16_t number);

// Five open black 0.5 pt strokes on the rectangle that bounds the four circles: an L at each corner
// and a diagonal tick at the lower left, numbered firstNumber to firstNumber + 4.
void AddCornerStrokes(float left, float top, float right, float bottom, std::int16_t firstNumber);

#endif  // KERFWORKS_CROPMARKS_CROP_MARK_SHAPES_H
