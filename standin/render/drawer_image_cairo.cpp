#include "standin/render/drawer_image.h"

#include <cairo.h>

#include <algorithm>
#include <stdexcept>

namespace standin {
namespace {

// The host's look of its standard colours.
std::uint32_t StandardColor(std::int32_t code) {
  switch (code) {
    case kADMBlackColor:
      return 0x000000;
    case kADMWhiteColor:
      return 0xFFFFFF;
    case kADMBackgroundColor:
      return 0xD4D0C8;
    case kADMRedColor:
      return 0xFF0000;
    default:
      return 0x808080;  // the remaining codes are shades the preview never uses
  }
}

void UseColor(cairo_t* cr, std::uint32_t rgb) {
  cairo_set_source_rgb(cr, ((rgb >> 16) & 0xFF) / 255.0, ((rgb >> 8) & 0xFF) / 255.0,
                       (rgb & 0xFF) / 255.0);
}

void RectPath(cairo_t* cr, const ASRect& rect) {
  cairo_rectangle(cr, rect.left, rect.top, std::max(0, rect.right - rect.left),
                  std::max(0, rect.bottom - rect.top));
}

void OvalPath(cairo_t* cr, const ASRect& rect) {
  const double w = rect.right - rect.left;
  const double h = rect.bottom - rect.top;
  if (w <= 0 || h <= 0) return;
  cairo_save(cr);
  cairo_translate(cr, rect.left + w / 2, rect.top + h / 2);
  cairo_scale(cr, w / 2, h / 2);
  cairo_arc(cr, 0, 0, 1, 0, 2 * 3.14159265358979323846);
  cairo_restore(cr);
}

void Paint(cairo_t* cr, const DrawOp& op) {
  const std::uint32_t color = op.kind == DrawOpKind::kPicture || op.kind == DrawOpKind::kDefault
                                  ? StandardColor(kADMBackgroundColor)
                                  : ScreenColor(op.color);
  UseColor(cr, color);
  switch (op.kind) {
    case DrawOpKind::kSetColor:
      return;
    case DrawOpKind::kFillRect:
    case DrawOpKind::kPicture:
    case DrawOpKind::kDefault:
      RectPath(cr, op.rect);
      cairo_fill(cr);
      return;
    case DrawOpKind::kFrameRect:
      cairo_rectangle(cr, op.rect.left + 0.5, op.rect.top + 0.5,
                      std::max(0, op.rect.right - op.rect.left - 1),
                      std::max(0, op.rect.bottom - op.rect.top - 1));
      cairo_stroke(cr);
      return;
    case DrawOpKind::kFillOval:
      OvalPath(cr, op.rect);
      cairo_fill(cr);
      return;
    case DrawOpKind::kFramePolygon:
      if (op.points.empty()) return;
      cairo_move_to(cr, op.points[0].h + 0.5, op.points[0].v + 0.5);
      for (std::size_t i = 1; i < op.points.size(); ++i) {
        cairo_line_to(cr, op.points[i].h + 0.5, op.points[i].v + 0.5);
      }
      cairo_stroke(cr);
      return;
  }
}

}  // namespace

std::uint32_t ScreenColor(const DrawColor& color) {
  if (!color.rgb) return StandardColor(color.code);
  return (std::uint32_t{color.value.red} >> 8) << 16 |
         (std::uint32_t{color.value.green} >> 8) << 8 | (std::uint32_t{color.value.blue} >> 8);
}

struct DrawerImage::Surface {
  cairo_surface_t* image = nullptr;
  ~Surface() { cairo_surface_destroy(image); }
};

DrawerImage::DrawerImage(const DrawerRecord& drawer)
    : surface_(std::make_unique<Surface>()), bounds_(drawer.bounds) {
  const int width = std::max(1, bounds_.right - bounds_.left);
  const int height = std::max(1, bounds_.bottom - bounds_.top);
  surface_->image = cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height);
  cairo_t* cr = cairo_create(surface_->image);
  cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
  cairo_set_line_width(cr, 1.0);
  // Square caps reach the end pixels, as the host's one-pixel lines do.
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_SQUARE);
  cairo_translate(cr, -bounds_.left, -bounds_.top);
  UseColor(cr, StandardColor(kADMBackgroundColor));
  cairo_paint(cr);
  for (const DrawOp& op : drawer.ops) Paint(cr, op);
  cairo_destroy(cr);
  cairo_surface_flush(surface_->image);
}

DrawerImage::~DrawerImage() = default;

int DrawerImage::Width() const {
  return cairo_image_surface_get_width(surface_->image);
}

int DrawerImage::Height() const {
  return cairo_image_surface_get_height(surface_->image);
}

std::uint32_t DrawerImage::Pixel(int x, int y) const {
  const int column = x - bounds_.left;
  const int row = y - bounds_.top;
  if (column < 0 || row < 0 || column >= Width() || row >= Height()) {
    throw std::out_of_range("pixel outside the drawer");
  }
  const unsigned char* data = cairo_image_surface_get_data(surface_->image);
  const int stride = cairo_image_surface_get_stride(surface_->image);
  const auto* line = reinterpret_cast<const std::uint32_t*>(data + row * stride);
  return line[column] & 0xFFFFFF;
}

void DrawerImage::WritePng(const std::string& path) const {
  if (cairo_surface_write_to_png(surface_->image, path.c_str()) != CAIRO_STATUS_SUCCESS) {
    throw std::runtime_error("cannot write the PNG file " + path);
  }
}

}  // namespace standin
