#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "built_resources.h"
#include "standin/resources/byte_reader.h"

namespace {

using standin::Language;

// The property list exactly: header, then 'kind', 'ivrs', 'wx86' and 'pinm' properties, each
// vendor 'ADBE', with four-character codes byte-reversed.
const std::uint8_t kPipl[118] = {
    0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x04, 0x00, 0x00, 0x00, 'E', 'B', 'D', 'A', 'd', 'n', 'i',
    'k',  0,    0,    0,    0,    4,    0,    0,    0,    'A',  'E', 'P', 'S', 'E', 'B', 'D', 'A',
    's',  'r',  'v',  'i',  0,    0,    0,    0,    4,    0,    0,   0,   2,   0,   0,   0,   'E',
    'B',  'D',  'A',  '6',  '8',  'x',  'w',  0,    0,    0,    0,   12,  0,   0,   0,   'P', 'l',
    'u',  'g',  'i',  'n',  'M',  'a',  'i',  'n',  0,    0,    'E', 'B', 'D', 'A', 'm', 'n', 'i',
    'p',  0,    0,    0,    0,    20,   0,    0,    0,    'K',  'e', 'r', 'f', 'w', 'o', 'r', 'k',
    's',  'P',  'l',  'u',  'g',  'i',  'n',  'D',  'i',  'a',  'l', 'o', 'g', 0,   0,   0};

TEST(PropertyList, HasExactlyItsBytesInEnglish) {
  const auto* pipl = kwtest::Built().RawNamed("PIPL", 16000, Language::kEnglish);
  ASSERT_NE(pipl, nullptr);
  ASSERT_EQ(pipl->size(), sizeof kPipl);
  EXPECT_EQ(std::memcmp(pipl->data(), kPipl, sizeof kPipl), 0);
  standin::Resources::Key key{0, "PIPL", 16000, "", 1033};
  EXPECT_EQ(kwtest::Built().All().count(key), 1u);
}

// A host walks the properties by their length fields. The name's field says 20 although the
// padded name that ends the list takes 24 bytes; the name is still terminated within them.
TEST(PropertyList, PropertiesReadWholeByTheirLengths) {
  const auto* pipl = kwtest::Built().RawNamed("pipl", 16000, Language::kJapanese);
  ASSERT_NE(pipl, nullptr);
  standin::ByteReader in(*pipl, "PIPL");
  EXPECT_EQ(in.U16(), 1);
  EXPECT_EQ(in.U32(), 0u);
  std::uint32_t count = in.U32();
  ASSERT_EQ(count, 4u);
  std::map<std::string, std::string> values;
  for (std::uint32_t i = 0; i < count; ++i) {
    auto vendor = in.Take(4);
    auto key = in.Take(4);
    in.Skip(4);
    std::uint32_t length = in.U32();
    const bool last = i + 1 == count;
    auto data = last ? in.Take(in.Remaining()) : in.Take((length + 3) / 4 * 4);
    if (last) {
      EXPECT_EQ(length, 20u);
      length = static_cast<std::uint32_t>(data.size());
    }
    EXPECT_EQ(std::string(vendor.rbegin(), vendor.rend()), "ADBE");
    values[std::string(key.rbegin(), key.rend())] =
        std::string(data.begin(), data.begin() + length);
  }
  EXPECT_TRUE(in.AtEnd());
  EXPECT_EQ(values["kind"], "AEPS");  // 'SPEA' byte-reversed
  EXPECT_EQ(values["ivrs"], std::string("\x02\0\0\0", 4));
  EXPECT_STREQ(values["wx86"].c_str(), "PluginMain");
  EXPECT_STREQ(values["pinm"].c_str(), "KerfworksPluginDialog");
  EXPECT_EQ(values["pinm"].find('\0'), 21u);  // terminated inside its length
}

}  // namespace
