// Paints what a recording drawer was told to draw into an image, as the host's screen would show
// it, so that a test or tool can look at the pixels or write them out as PNG.
//
// Pixels follow the host's rules: a filled rectangle covers [left, right) x [top, bottom), an
// oval is inscribed in its rectangle, polygon lines are one pixel wide through the pixel centres.
// Nothing is antialiased, so every pixel has exactly one of the colours drawn. Pictures and the
// host's default drawing are painted as the dialog background.
#ifndef KERFWORKS_STANDIN_RENDER_DRAWER_IMAGE_H
#define KERFWORKS_STANDIN_RENDER_DRAWER_IMAGE_H

#include <cstdint>
#include <memory>
#include <string>

#include "standin/model/dialog_records.h"

namespace standin {

// 0xRRGGBB of a drawn colour: the ADM standard colours as the host shows them, RGB colours
// with their 16-bit channels cut to 8 bits.
std::uint32_t ScreenColor(const DrawColor& color);

class DrawerImage {
 public:
  // An image of the drawer's bounds, the host's background behind everything drawn.
  explicit DrawerImage(const DrawerRecord& drawer);
  DrawerImage(const DrawerImage&) = delete;
  DrawerImage& operator=(const DrawerImage&) = delete;
  ~DrawerImage();

  int Width() const;
  int Height() const;
  // 0xRRGGBB at (x, y) of the drawer's coordinates; throws std::out_of_range outside the bounds.
  std::uint32_t Pixel(int x, int y) const;
  // Throws std::runtime_error naming the file when it cannot be written.
  void WritePng(const std::string& path) const;

 private:
  struct Surface;
  std::unique_ptr<Surface> surface_;
  ASRect bounds_;
};

}  // namespace standin

#endif  // KERFWORKS_STANDIN_RENDER_DRAWER_IMAGE_H
