// A bounds-checked little-endian cursor over resource bytes. Every read past the end throws
// std::runtime_error naming what is read and the offset, so corrupt data never reads wild memory.
#ifndef KERFWORKS_STANDIN_RESOURCES_BYTE_READER_H
#define KERFWORKS_STANDIN_RESOURCES_BYTE_READER_H

#include <cstddef>
#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>

namespace standin {

// A resource type, name, window class or text given either by number or by string.
struct NameOrOrdinal {
  bool isOrdinal = false;
  std::uint16_t ordinal = 0;
  std::string name;  // UTF-8
};

class ByteReader {
 public:
  ByteReader(std::span<const std::uint8_t> bytes, std::string what)
      : bytes_(bytes), what_(std::move(what)) {}

  std::uint8_t U8();
  std::uint16_t U16();
  std::int16_t I16() { return static_cast<std::int16_t>(U16()); }
  std::uint32_t U32();
  std::int32_t I32() { return static_cast<std::int32_t>(U32()); }
  std::span<const std::uint8_t> Take(std::size_t count);
  void Skip(std::size_t count) { Take(count); }
  // Moves to the next multiple of `alignment` from the start of the bytes.
  void Align(std::size_t alignment);
  // A zero-terminated UTF-16 string, as UTF-8.
  std::string Utf16z();
  // 0xFFFF and an ordinal, or a zero-terminated UTF-16 string.
  NameOrOrdinal NameOrOrd();

  std::size_t Offset() const { return offset_; }
  std::size_t Remaining() const { return bytes_.size() - offset_; }
  bool AtEnd() const { return offset_ == bytes_.size(); }
  // Throws std::runtime_error "<what>: <why> (offset N)".
  [[noreturn]] void Fail(const std::string& why) const;

 private:
  std::span<const std::uint8_t> bytes_;
  std::string what_;
  std::size_t offset_ = 0;
};

// UTF-16 code units to UTF-8; an unpaired surrogate becomes U+FFFD.
std::string Utf16ToUtf8(std::span<const char16_t> units);

// Runs `decode`; a std::runtime_error it throws gets `what` ("dialog 16200") in front.
template <class Decode>
auto Described(const std::string& what, Decode&& decode) -> decltype(decode()) {
  try {
    return decode();
  } catch (const std::runtime_error& e) {
    throw std::runtime_error(what + ": " + e.what());
  }
}

}  // namespace standin

#endif  // KERFWORKS_STANDIN_RESOURCES_BYTE_READER_H
