#include "standin/resources/byte_reader.h"

#include <stdexcept>
#include <vector>

namespace standin {

std::span<const std::uint8_t> ByteReader::Take(std::size_t count) {
  if (count > Remaining()) Fail("truncated: " + std::to_string(count) + " bytes wanted");
  auto part = bytes_.subspan(offset_, count);
  offset_ += count;
  return part;
}

std::uint8_t ByteReader::U8() {
  return Take(1)[0];
}

std::uint16_t ByteReader::U16() {
  auto b = Take(2);
  return static_cast<std::uint16_t>(b[0] | b[1] << 8);
}

std::uint32_t ByteReader::U32() {
  auto b = Take(4);
  return static_cast<std::uint32_t>(b[0]) | static_cast<std::uint32_t>(b[1]) << 8 |
         static_cast<std::uint32_t>(b[2]) << 16 | static_cast<std::uint32_t>(b[3]) << 24;
}

void ByteReader::Align(std::size_t alignment) {
  std::size_t pad = (alignment - offset_ % alignment) % alignment;
  // Trailing padding may be missing at the very end of a resource.
  offset_ += pad <= Remaining() ? pad : Remaining();
}

std::string ByteReader::Utf16z() {
  std::vector<char16_t> units;
  while (char16_t unit = U16()) units.push_back(unit);
  return Utf16ToUtf8(units);
}

NameOrOrdinal ByteReader::NameOrOrd() {
  NameOrOrdinal result;
  if (Remaining() >= 2 && bytes_[offset_] == 0xFF && bytes_[offset_ + 1] == 0xFF) {
    Skip(2);
    result.isOrdinal = true;
    result.ordinal = U16();
  } else {
    result.name = Utf16z();
  }
  return result;
}

void ByteReader::Fail(const std::string& why) const {
  throw std::runtime_error(what_ + ": " + why + " (offset " + std::to_string(offset_) + ")");
}

std::string Utf16ToUtf8(std::span<const char16_t> units) {
  std::string out;
  for (std::size_t i = 0; i < units.size(); ++i) {
    char32_t c = units[i];
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < units.size() && units[i + 1] >= 0xDC00 &&
        units[i + 1] <= 0xDFFF) {
      c = 0x10000 + ((c - 0xD800) << 10) + (units[++i] - 0xDC00);
    } else if (c >= 0xD800 && c <= 0xDFFF) {
      c = 0xFFFD;
    }
    if (c < 0x80) {
      out += static_cast<char>(c);
    } else if (c < 0x800) {
      out += static_cast<char>(0xC0 | c >> 6);
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
      out += static_cast<char>(0xE0 | c >> 12);
      out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
      out += static_cast<char>(0xF0 | c >> 18);
      out += static_cast<char>(0x80 | (c >> 12 & 0x3F));
      out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return out;
}

}  // namespace standin
