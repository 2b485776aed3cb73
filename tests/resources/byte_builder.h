// Little-endian byte strings for hand-made resources, and a .res file assembled from records.
#ifndef KERFWORKS_TESTS_RESOURCES_BYTE_BUILDER_H
#define KERFWORKS_TESTS_RESOURCES_BYTE_BUILDER_H

#include <cstdint>
#include <string>
#include <vector>

namespace kwtest {

struct Bytes {
  std::vector<std::uint8_t> b;
  Bytes& U8(std::uint32_t v) {
    b.push_back(static_cast<std::uint8_t>(v));
    return *this;
  }
  Bytes& U16(std::uint32_t v) { return U8(v).U8(v >> 8); }
  Bytes& U32(std::uint32_t v) { return U16(v).U16(v >> 16); }
  // A zero-terminated UTF-16 string of ASCII text.
  Bytes& Wide(const std::string& text) {
    for (char c : text) U16(static_cast<unsigned char>(c));
    return U16(0);
  }
  Bytes& Ordinal(std::uint16_t v) { return U16(0xFFFF).U16(v); }
  Bytes& Raw(const std::vector<std::uint8_t>& more) {
    b.insert(b.end(), more.begin(), more.end());
    return *this;
  }
  Bytes& Align(std::size_t n) {
    while (b.size() % n) U8(0);
    return *this;
  }
};

// One record of a .res file; type and name by ordinal unless a name is given.
inline void AddRecord(Bytes& file, std::uint16_t type, std::uint16_t id, std::uint16_t language,
                      const std::vector<std::uint8_t>& data, const std::string& typeName = "") {
  Bytes header;
  if (typeName.empty()) {
    header.Ordinal(type);
  } else {
    header.Wide(typeName);
  }
  header.Ordinal(id).Align(4);
  header.U32(0).U16(0x1030).U16(language).U32(0).U32(0);
  file.U32(static_cast<std::uint32_t>(data.size()))
      .U32(static_cast<std::uint32_t>(header.b.size() + 8))
      .Raw(header.b)
      .Raw(data)
      .Align(4);
}

// The empty record every .res file starts with.
inline Bytes ResFile() {
  Bytes file;
  AddRecord(file, 0, 0, 0, {});
  return file;
}

}  // namespace kwtest

#endif  // KERFWORKS_TESTS_RESOURCES_BYTE_BUILDER_H
