// Device-independent bitmaps: palette and true-colour BI_RGB, and run-length encoded BI_RLE8 /
// BI_RLE4. Rows are stored bottom-up unless the height is negative.

#include "standin/resources/byte_reader.h"
#include "standin/resources/decoders.h"

namespace standin {
namespace {

constexpr std::uint16_t kRtBitmap = 2;
constexpr std::uint32_t kBiRgb = 0, kBiRle8 = 1, kBiRle4 = 2;
constexpr std::size_t kCoreHeaderSize = 12, kInfoHeaderSize = 40;
constexpr std::int64_t kMaxPixels = 1 << 24;

struct DibHeader {
  std::int32_t width = 0;
  std::int32_t height = 0;  // of the picture, without an icon's mask
  bool topDown = false;
  int bitCount = 0;
  std::uint32_t compression = kBiRgb;
  std::vector<std::uint32_t> palette;  // ARGB, opaque
};

DibHeader ReadHeader(ByteReader& in, DibKind kind) {
  DibHeader h;
  std::uint32_t size = in.U32();
  std::uint32_t colours = 0;
  bool core = size == kCoreHeaderSize;
  if (core) {
    h.width = in.U16();
    h.height = in.U16();
    in.Skip(2);
    h.bitCount = in.U16();
  } else if (size >= kInfoHeaderSize) {
    h.width = in.I32();
    h.height = in.I32();
    in.Skip(2);
    h.bitCount = in.U16();
    h.compression = in.U32();
    in.Skip(12);  // image size, resolution
    colours = in.U32();
    in.Skip(4 + (size - kInfoHeaderSize));
  } else {
    in.Fail("unknown bitmap header size " + std::to_string(size));
  }
  if (h.height < 0) {
    if (h.compression != kBiRgb || kind == DibKind::kIcon) in.Fail("top-down image not allowed");
    h.topDown = true;
    h.height = -h.height;
  }
  if (kind == DibKind::kIcon) h.height /= 2;
  if (h.width <= 0 || h.height <= 0 || std::int64_t{h.width} * h.height > kMaxPixels) {
    in.Fail("bad image size " + std::to_string(h.width) + " x " + std::to_string(h.height));
  }
  switch (h.bitCount) {
    case 1:
    case 4:
    case 8:
    case 16:
    case 24:
    case 32:
      break;
    default:
      in.Fail("unsupported bit count " + std::to_string(h.bitCount));
  }
  bool rleFits = (h.compression == kBiRle8 && h.bitCount == 8) ||
                 (h.compression == kBiRle4 && h.bitCount == 4);
  if (h.compression != kBiRgb && !rleFits) {
    in.Fail("unsupported compression " + std::to_string(h.compression) + " at " +
            std::to_string(h.bitCount) + " bits");
  }
  if (h.bitCount <= 8) {
    std::uint32_t most = 1u << h.bitCount;
    if (colours == 0) colours = most;
    if (colours > most) in.Fail("palette larger than the bit count allows");
    for (std::uint32_t i = 0; i < colours; ++i) {
      std::uint32_t b = in.U8(), g = in.U8(), r = in.U8();
      if (!core) in.Skip(1);
      h.palette.push_back(0xFF000000u | r << 16 | g << 8 | b);
    }
  }
  return h;
}

std::size_t Stride(int width, int bitCount) {
  return (static_cast<std::size_t>(width) * bitCount + 31) / 32 * 4;
}

std::uint32_t Colour(const DibHeader& h, ByteReader& in, unsigned index) {
  if (index >= h.palette.size()) in.Fail("palette index " + std::to_string(index) + " too large");
  return h.palette[index];
}

// Picture row of stored row `row` (counted as stored).
int PictureRow(const DibHeader& h, int row) {
  return h.topDown ? row : h.height - 1 - row;
}

void DecodeRgb(const DibHeader& h, ByteReader& in, Picture& pic) {
  std::size_t stride = Stride(h.width, h.bitCount);
  for (int row = 0; row < h.height; ++row) {
    auto bits = in.Take(stride);
    std::uint32_t* out = &pic.argb[static_cast<std::size_t>(PictureRow(h, row)) * h.width];
    for (int x = 0; x < h.width; ++x) {
      auto at = [&](std::size_t i) { return std::uint32_t{bits[i]}; };
      switch (h.bitCount) {
        case 1:
          out[x] = Colour(h, in, at(x / 8) >> (7 - x % 8) & 1);
          break;
        case 4:
          out[x] = Colour(h, in, at(x / 2) >> (x % 2 ? 0 : 4) & 0xF);
          break;
        case 8:
          out[x] = Colour(h, in, at(x));
          break;
        case 16: {
          std::uint32_t v = at(2 * x) | at(2 * x + 1) << 8;
          auto expand = [](std::uint32_t five) { return five << 3 | five >> 2; };
          out[x] =
              0xFF000000u | expand(v >> 10 & 31) << 16 | expand(v >> 5 & 31) << 8 | expand(v & 31);
          break;
        }
        case 24:
          out[x] = 0xFF000000u | at(3 * x + 2) << 16 | at(3 * x + 1) << 8 | at(3 * x);
          break;
        default:
          out[x] = at(4 * x + 3) << 24 | at(4 * x + 2) << 16 | at(4 * x + 1) << 8 | at(4 * x);
      }
    }
  }
}

void DecodeRle(const DibHeader& h, ByteReader& in, Picture& pic) {
  bool four = h.compression == kBiRle4;
  int x = 0, row = 0;
  auto put = [&](unsigned index) {
    if (x >= h.width || row >= h.height) in.Fail("run-length data runs outside the image");
    pic.argb[static_cast<std::size_t>(PictureRow(h, row)) * h.width + x++] = Colour(h, in, index);
  };
  while (!in.AtEnd()) {
    std::uint8_t count = in.U8();
    std::uint8_t value = in.U8();
    if (count > 0) {
      for (int i = 0; i < count; ++i) put(four ? (i % 2 ? value & 0xF : value >> 4) : value);
    } else if (value == 0) {
      x = 0;
      ++row;
    } else if (value == 1) {
      return;
    } else if (value == 2) {
      x += in.U8();
      row += in.U8();
    } else {
      auto bytes = in.Take(four ? (value + 1) / 2 : value);
      for (int i = 0; i < value; ++i) {
        put(four ? (i % 2 ? bytes[i / 2] & 0xF : bytes[i / 2] >> 4) : bytes[i]);
      }
      if (bytes.size() % 2 && !in.AtEnd()) in.Skip(1);  // runs keep 16-bit alignment
    }
  }
}

void ApplyMask(const DibHeader& h, ByteReader& in, Picture& pic) {
  // A 32-bit icon with any alpha carries its transparency itself; the mask is then redundant.
  if (h.bitCount == 32) {
    for (std::uint32_t p : pic.argb) {
      if (p >> 24) return;
    }
  }
  std::size_t stride = Stride(h.width, 1);
  for (int row = 0; row < h.height; ++row) {
    auto bits = in.Take(stride);
    std::uint32_t* out = &pic.argb[static_cast<std::size_t>(PictureRow(h, row)) * h.width];
    for (int x = 0; x < h.width; ++x) {
      bool transparent = bits[x / 8] >> (7 - x % 8) & 1;
      out[x] = transparent ? 0 : out[x] | 0xFF000000u;
    }
  }
}

}  // namespace

Picture DecodeDib(std::span<const std::uint8_t> bytes, DibKind kind) {
  ByteReader in(bytes, kind == DibKind::kIcon ? "icon image" : "bitmap");
  DibHeader h = ReadHeader(in, kind);
  Picture pic;
  pic.width = h.width;
  pic.height = h.height;
  pic.bitCount = h.bitCount;
  pic.compression = h.compression;
  pic.argb.assign(static_cast<std::size_t>(h.width) * h.height,
                  h.palette.empty() ? 0xFF000000u : h.palette[0]);
  if (h.compression == kBiRgb) {
    DecodeRgb(h, in, pic);
  } else {
    DecodeRle(h, in, pic);
  }
  if (kind == DibKind::kIcon) {
    ApplyMask(h, in, pic);
  } else if (h.bitCount == 32) {
    for (std::uint32_t& p : pic.argb) p |= 0xFF000000u;
  }
  return pic;
}

std::optional<Picture> Resources::Bitmap(int id, Language language) const {
  if (id < 0 || id > 0xFFFF) return std::nullopt;
  const auto* raw = Raw(kRtBitmap, static_cast<std::uint16_t>(id), language);
  if (!raw) return std::nullopt;
  return Described("bitmap " + std::to_string(id),
                   [&] { return DecodeDib(*raw, DibKind::kBitmap); });
}

}  // namespace standin
