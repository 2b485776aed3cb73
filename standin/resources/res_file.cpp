// The .res container: a sequence of RESOURCEHEADER records, each followed by its data, every
// record starting on a DWORD boundary; the first record is an empty marker.
#include <algorithm>
#include <cctype>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "standin/resources/byte_reader.h"
#include "standin/resources/resources.h"

namespace standin {
namespace {

constexpr std::size_t kMinHeaderSize = 32;

std::string Upper(std::string text) {
  for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

}  // namespace

bool SameWindowClass(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::toupper(static_cast<unsigned char>(x)) ==
           std::toupper(static_cast<unsigned char>(y));
  });
}

Resources Resources::FromResFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error(path + ": cannot open the resource file");
  std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                  std::istreambuf_iterator<char>());
  if (in.bad()) throw std::runtime_error(path + ": cannot read the resource file");
  return FromResBytes(bytes, path);
}

Resources Resources::FromResBytes(std::span<const std::uint8_t> bytes, const std::string& what) {
  ByteReader file(bytes, what);
  std::map<Key, std::vector<std::uint8_t>> raw;
  bool first = true;
  while (!file.AtEnd()) {
    if (file.Remaining() < 8) file.Fail("truncated resource header");
    std::uint32_t dataSize = file.U32();
    std::uint32_t headerSize = file.U32();
    if (first && (dataSize != 0 || headerSize != kMinHeaderSize)) {
      file.Fail("not a compiled resource file (no leading empty record)");
    }
    if (headerSize < kMinHeaderSize) file.Fail("resource header too small");
    if (headerSize - 8 > file.Remaining()) file.Fail("resource header runs past the end");
    ByteReader header(file.Take(headerSize - 8), what + " header");
    NameOrOrdinal type = header.NameOrOrd();
    NameOrOrdinal name = header.NameOrOrd();
    header.Align(4);
    header.Skip(6);  // data version, memory flags
    std::uint16_t language = header.U16();
    if (dataSize > file.Remaining()) file.Fail("resource data runs past the end");
    auto data = file.Take(dataSize);
    file.Align(4);

    bool marker = dataSize == 0 && type.isOrdinal && type.ordinal == 0;
    if (first && !marker) file.Fail("not a compiled resource file (no leading empty record)");
    first = false;
    if (marker) continue;
    Key key{type.isOrdinal ? type.ordinal : std::uint16_t{0}, Upper(type.name),
            name.isOrdinal ? name.ordinal : std::uint16_t{0}, Upper(name.name), language};
    if (!raw.emplace(key, std::vector<std::uint8_t>(data.begin(), data.end())).second) {
      file.Fail("the same resource twice");
    }
  }
  if (first) throw std::runtime_error(what + ": empty resource file");
  return Resources(std::move(raw));
}

namespace {

// The resource in `language`, else the same resource in whichever language there is.
const std::vector<std::uint8_t>* Find(
    const std::map<Resources::Key, std::vector<std::uint8_t>>& raw, Resources::Key key) {
  if (auto it = raw.find(key); it != raw.end()) return &it->second;
  key.language = 0;
  for (auto it = raw.lower_bound(key); it != raw.end(); ++it) {
    const Resources::Key& k = it->first;
    if (k.type != key.type || k.typeName != key.typeName || k.id != key.id || k.name != key.name) {
      break;
    }
    return &it->second;
  }
  return nullptr;
}

}  // namespace

const std::vector<std::uint8_t>* Resources::Raw(std::uint16_t type, std::uint16_t id,
                                                Language language) const {
  return Find(raw_, Key{type, "", id, "", static_cast<std::uint16_t>(language)});
}

const std::vector<std::uint8_t>* Resources::RawNamed(const std::string& typeName, std::uint16_t id,
                                                     Language language) const {
  return Find(raw_, Key{0, Upper(typeName), id, "", static_cast<std::uint16_t>(language)});
}

}  // namespace standin
