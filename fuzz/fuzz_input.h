// The fuzzer's bytes read as a sequence of choices. Past the end every choice is the first one,
// so any input, however short, is a complete run.
#ifndef KERFWORKS_FUZZ_FUZZ_INPUT_H
#define KERFWORKS_FUZZ_FUZZ_INPUT_H

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <string>

class FuzzInput {
 public:
  FuzzInput(const std::uint8_t* data, std::size_t size) : bytes_(data, size) {}

  bool Empty() const { return bytes_.empty(); }
  std::uint8_t Byte() {
    if (bytes_.empty()) return 0;
    const std::uint8_t byte = bytes_.front();
    bytes_ = bytes_.subspan(1);
    return byte;
  }
  bool Bit() { return (Byte() & 1) != 0; }
  // A number in 0 .. limit - 1 (limit at most 65536).
  int Below(int limit) {
    const int value = Byte() | (limit > 256 ? Byte() << 8 : 0);
    return value % limit;
  }
  template <typename Range>
  const auto& Pick(const Range& range) {
    return *(std::begin(range) + Below(static_cast<int>(std::size(range))));
  }
  // Any float, infinities and NaNs included.
  float Float() {
    std::uint32_t bits = 0;
    for (int i = 0; i < 4; ++i) bits = bits << 8 | Byte();
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
  }
  // A text of up to 255 bytes, its length first.
  std::string Text() {
    std::string text(Byte(), '\0');
    for (char& c : text) c = static_cast<char>(Byte());
    return text;
  }

 private:
  std::span<const std::uint8_t> bytes_;
};

#endif  // KERFWORKS_FUZZ_FUZZ_INPUT_H
