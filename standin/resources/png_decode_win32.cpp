// PNG pictures, decoded by GDI+ from memory: the Windows build has no cairo.
#include <windows.h>
// windows.h first: the GDI+ headers depend on it.
#include <gdiplus.h>
#include <objidl.h>
#include <shlwapi.h>

#include <memory>
#include <stdexcept>

#include "standin/resources/decoders.h"

namespace standin {
namespace {

// GDI+ is started once for the process and left running: pictures are decoded until exit.
void StartGdiplus() {
  static const bool started = [] {
    Gdiplus::GdiplusStartupInput input;
    ULONG_PTR token = 0;
    return Gdiplus::GdiplusStartup(&token, &input, nullptr) == Gdiplus::Ok;
  }();
  if (!started) throw std::runtime_error("PNG: GDI+ cannot be started");
}

struct StreamRelease {
  void operator()(IStream* stream) const { stream->Release(); }
};

}  // namespace

Picture DecodePng(std::span<const std::uint8_t> bytes) {
  StartGdiplus();
  std::unique_ptr<IStream, StreamRelease> stream(
      SHCreateMemStream(bytes.data(), static_cast<UINT>(bytes.size())));
  if (!stream) throw std::runtime_error("PNG: no memory for the stream");
  Gdiplus::Bitmap bitmap(stream.get());
  if (bitmap.GetLastStatus() != Gdiplus::Ok) throw std::runtime_error("PNG: cannot be decoded");
  Picture pic;
  pic.width = static_cast<int>(bitmap.GetWidth());
  pic.height = static_cast<int>(bitmap.GetHeight());
  Gdiplus::Rect all(0, 0, pic.width, pic.height);
  Gdiplus::BitmapData data{};
  // Not premultiplied, as a Picture's pixels are.
  if (bitmap.LockBits(&all, Gdiplus::ImageLockModeRead, PixelFormat32bppARGB, &data) !=
      Gdiplus::Ok) {
    throw std::runtime_error("PNG: pixels cannot be read");
  }
  pic.argb.reserve(static_cast<std::size_t>(pic.width) * pic.height);
  for (int y = 0; y < pic.height; ++y) {
    const auto* row = reinterpret_cast<const std::uint32_t*>(static_cast<const char*>(data.Scan0) +
                                                             std::ptrdiff_t(y) * data.Stride);
    pic.argb.insert(pic.argb.end(), row, row + pic.width);
  }
  bitmap.UnlockBits(&data);
  return pic;
}

}  // namespace standin
