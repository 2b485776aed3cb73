// PNG pictures, decoded by cairo from memory.
#include <cairo.h>

#include <cstring>
#include <memory>

#include "standin/resources/decoders.h"

namespace standin {
namespace {

struct Source {
  std::span<const std::uint8_t> bytes;
  std::size_t offset = 0;
};

cairo_status_t Read(void* closure, unsigned char* data, unsigned int length) {
  auto* source = static_cast<Source*>(closure);
  if (length > source->bytes.size() - source->offset) return CAIRO_STATUS_READ_ERROR;
  std::memcpy(data, source->bytes.data() + source->offset, length);
  source->offset += length;
  return CAIRO_STATUS_SUCCESS;
}

// Cairo's pixels are premultiplied; a Picture's are not.
std::uint32_t Unpremultiply(std::uint32_t p) {
  std::uint32_t a = p >> 24;
  if (a == 0 || a == 255) return a == 0 ? 0 : p;
  auto channel = [&](int shift) { return ((p >> shift & 0xFF) * 255 + a / 2) / a; };
  return a << 24 | channel(16) << 16 | channel(8) << 8 | channel(0);
}

}  // namespace

Picture DecodePng(std::span<const std::uint8_t> bytes) {
  Source source{bytes};
  std::unique_ptr<cairo_surface_t, decltype(&cairo_surface_destroy)> surface(
      cairo_image_surface_create_from_png_stream(&Read, &source), &cairo_surface_destroy);
  if (cairo_surface_status(surface.get()) != CAIRO_STATUS_SUCCESS) {
    throw std::runtime_error(std::string("PNG: ") +
                             cairo_status_to_string(cairo_surface_status(surface.get())));
  }
  cairo_surface_flush(surface.get());
  cairo_format_t format = cairo_image_surface_get_format(surface.get());
  if (format != CAIRO_FORMAT_ARGB32 && format != CAIRO_FORMAT_RGB24) {
    throw std::runtime_error("PNG: unexpected pixel format from the decoder");
  }
  Picture pic;
  pic.width = cairo_image_surface_get_width(surface.get());
  pic.height = cairo_image_surface_get_height(surface.get());
  int stride = cairo_image_surface_get_stride(surface.get());
  const unsigned char* data = cairo_image_surface_get_data(surface.get());
  pic.argb.reserve(static_cast<std::size_t>(pic.width) * pic.height);
  for (int y = 0; y < pic.height; ++y) {
    const auto* row = reinterpret_cast<const std::uint32_t*>(data + std::size_t(y) * stride);
    for (int x = 0; x < pic.width; ++x) {
      pic.argb.push_back(format == CAIRO_FORMAT_RGB24 ? row[x] | 0xFF000000u
                                                      : Unpremultiply(row[x]));
    }
  }
  return pic;
}

}  // namespace standin
