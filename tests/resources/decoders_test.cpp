#include <gtest/gtest.h>

#include <stdexcept>

#include "byte_builder.h"
#include "standin/resources/byte_reader.h"
#include "standin/resources/decoders.h"

namespace {

using kwtest::Bytes;

// BITMAPINFOHEADER of a width x height image.
Bytes Info(int width, int height, int bits, std::uint32_t compression, std::uint32_t colours) {
  Bytes b;
  b.U32(40).U32(static_cast<std::uint32_t>(width)).U32(static_cast<std::uint32_t>(height));
  b.U16(1).U16(static_cast<std::uint32_t>(bits)).U32(compression).U32(0).U32(0).U32(0);
  b.U32(colours).U32(0);
  return b;
}

// Palette entries are stored blue, green, red, reserved.
Bytes& Rgb(Bytes& b, std::uint32_t argb) {
  return b.U8(argb).U8(argb >> 8).U8(argb >> 16).U8(0);
}

constexpr std::uint32_t kBlack = 0xFF000000, kRed = 0xFFFF0000, kBlue = 0xFF0000FF;

TEST(Dib, TrueColourRowsBottomUpAndTopDown) {
  for (bool topDown : {false, true}) {
    Bytes b = Info(2, topDown ? -2 : 2, 24, 0, 0);
    // Stored rows: first red, blue; then blue, black (each padded to 8 bytes).
    b.U8(0).U8(0).U8(255).U8(255).U8(0).U8(0).U16(0);
    b.U8(255).U8(0).U8(0).U8(0).U8(0).U8(0).U16(0);
    auto pic = standin::DecodeDib(b.b, standin::DibKind::kBitmap);
    std::vector<std::uint32_t> firstStoredRow = {kRed, kBlue}, secondStoredRow = {kBlue, kBlack};
    std::vector<std::uint32_t> top(pic.argb.begin(), pic.argb.begin() + 2);
    EXPECT_EQ(top, topDown ? firstStoredRow : secondStoredRow);
    EXPECT_EQ(pic.bitCount, 24);
  }
}

TEST(Dib, RunLengthEncodedEightBitWithDeltaAndAbsoluteRuns) {
  Bytes b = Info(5, 2, 8, 1, 3);
  Rgb(b, kBlack);
  Rgb(b, kRed);
  Rgb(b, kBlue);
  b.U8(2).U8(1);                          // bottom row: two red,
  b.U8(0).U8(3).U8(2).U8(1).U8(2).U8(0);  // then absolute blue, red, blue (padded)
  b.U8(0).U8(0);                          // end of line,
  b.U8(0).U8(2).U8(4).U8(0);              // then a delta to the top row's last pixel
  b.U8(1).U8(2);                          // one blue
  b.U8(0).U8(1);                          // end of bitmap
  auto pic = standin::DecodeDib(b.b, standin::DibKind::kBitmap);
  EXPECT_EQ(pic.compression, 1u);
  EXPECT_EQ(pic.argb, std::vector<std::uint32_t>({kBlack, kBlack, kBlack, kBlack, kBlue,  // top
                                                  kRed, kRed, kBlue, kRed, kBlue}));
}

TEST(Dib, RunLengthEncodedFourBitAlternatesNibbles) {
  Bytes b = Info(4, 1, 4, 2, 3);
  Rgb(b, kBlack);
  Rgb(b, kRed);
  Rgb(b, kBlue);
  b.U8(3).U8(0x12).U8(0).U8(1);  // red, blue, red, then the bitmap ends early
  auto pic = standin::DecodeDib(b.b, standin::DibKind::kBitmap);
  EXPECT_EQ(pic.argb, std::vector<std::uint32_t>({kRed, kBlue, kRed, kBlack}));
}

TEST(Dib, CorruptDataIsRefused) {
  struct Case {
    const char* name;
    Bytes bytes;
    const char* why;
  };
  Bytes runPastRow = Info(2, 1, 4, 2, 2);
  runPastRow.U32(0).U32(0).U8(3).U8(0);
  Bytes indexPastPalette = Info(1, 1, 8, 0, 2);
  indexPastPalette.U32(0).U32(0).U8(5).U8(0).U16(0);
  Bytes hugeImage = Info(100000, 100000, 1, 0, 2);
  Bytes rleAtWrongDepth = Info(1, 1, 8, 2, 2);
  Bytes oddHeader;
  oddHeader.U32(20).U32(1).U32(1);
  Case cases[] = {
      {"run past the row", runPastRow, "outside the image"},
      {"index past the palette", indexPastPalette, "palette index"},
      {"huge image", hugeImage, "bad image size"},
      {"RLE4 at 8 bits", rleAtWrongDepth, "unsupported compression"},
      {"unknown header", oddHeader, "header size"},
      {"no pixels", Info(4, 4, 24, 0, 0), "truncated"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    try {
      standin::DecodeDib(c.bytes.b, standin::DibKind::kBitmap);
      ADD_FAILURE() << "decoded";
    } catch (const std::runtime_error& e) {
      EXPECT_NE(std::string(e.what()).find(c.why), std::string::npos) << e.what();
    }
  }
}

TEST(Dib, IconMaskMakesPixelsTransparent) {
  Bytes b = Info(2, 2 * 2, 4, 0, 2);
  Rgb(b, kBlack);
  Rgb(b, kRed);
  b.U8(0x10).U8(0).U16(0).U8(0x11).U8(0).U16(0);  // colour rows: red black / red red
  b.U8(0x40).U8(0).U16(0).U8(0x00).U8(0).U16(0);  // mask rows: bottom right clear, top opaque
  auto pic = standin::DecodeDib(b.b, standin::DibKind::kIcon);
  EXPECT_EQ(pic.height, 2);
  EXPECT_EQ(pic.argb, std::vector<std::uint32_t>({kRed, kRed, kRed, 0u}));
}

TEST(Dib, ThirtyTwoBitIconKeepsItsAlpha) {
  Bytes b = Info(1, 2, 32, 0, 0);
  b.U8(0).U8(0).U8(255).U8(0x80);  // half-transparent red
  b.U32(0xFFFFFFFF);               // a mask that would hide it
  auto pic = standin::DecodeDib(b.b, standin::DibKind::kIcon);
  EXPECT_EQ(pic.argb, std::vector<std::uint32_t>({0x80FF0000u}));
}

TEST(IconGroup, PrefersThe32By32ImageWithMostColours) {
  Bytes group;
  group.U16(0).U16(1).U16(3);
  auto entry = [&](int size, int bits, int id) {
    group.U8(size).U8(size).U8(0).U8(0).U16(1).U16(bits).U32(100).U16(id);
  };
  entry(16, 8, 1);
  entry(32, 4, 2);
  entry(32, 8, 3);
  EXPECT_EQ(standin::BestIconInGroup(group.b), 3);
  Bytes notIcons;
  notIcons.U16(0).U16(2).U16(1);
  EXPECT_THROW(standin::BestIconInGroup(notIcons.b), std::runtime_error);
}

TEST(DialogTemplate, PlainTemplateWithOrdinalsAndWordIds) {
  Bytes d;
  d.U32(0x80C00040).U32(0).U16(1).U16(1).U16(2).U16(30).U16(40);
  d.U16(0).U16(0).Wide("Title").U16(8).Wide("Font");
  d.Align(4).U32(0x50000000).U32(0).U16(3).U16(4).U16(5).U16(6).U16(0xFFFF);
  d.Ordinal(0x81).Ordinal(1001).U16(0);
  auto dialog = standin::ParseDialogTemplate(d.b);
  EXPECT_EQ(dialog.caption, "Title");
  EXPECT_EQ(dialog.fontName, "Font");
  EXPECT_EQ(dialog.fontSize, 8);
  EXPECT_EQ(dialog.width, 30);
  ASSERT_EQ(dialog.items.size(), 1u);
  EXPECT_EQ(dialog.items[0].id, -1);
  EXPECT_EQ(dialog.items[0].windowClass, "Edit");
  EXPECT_EQ(dialog.items[0].text, "#1001");
  EXPECT_EQ(dialog.items[0].height, 6);
  d.b.resize(d.b.size() - 3);
  EXPECT_THROW(standin::ParseDialogTemplate(d.b), std::runtime_error);
}

TEST(MenuTemplate, ExtendedMenuWithSeparatorAndSubmenu) {
  Bytes m;
  m.U16(1).U16(4).U32(0);
  auto item = [&](std::uint32_t type, int id, std::uint16_t flags, const std::string& text) {
    m.Align(4).U32(type).U32(0).U32(static_cast<std::uint32_t>(id)).U16(flags).Wide(text).Align(4);
    if (flags & 1) m.U32(0);
  };
  item(0, 0, 0x81, "Top");  // the only, and last, top-level entry: a popup
  item(0, 5, 0, "Five");
  item(0x800, 0, 0, "");
  item(0, 0, 0x81, "More");
  item(0, 6, 0x80, "Six");
  auto top = standin::ParseMenuTemplate(m.b);
  ASSERT_EQ(top.size(), 1u);
  const auto& entries = top[0].children;
  ASSERT_EQ(entries.size(), 3u);
  EXPECT_EQ(entries[0].id, 5);
  EXPECT_TRUE(entries[1].separator);
  EXPECT_EQ(entries[2].text, "More");
  ASSERT_EQ(entries[2].children.size(), 1u);
  EXPECT_EQ(entries[2].children[0].text, "Six");
}

TEST(MenuTemplate, EndlessOrTooDeepMenusAreRefused) {
  Bytes endless;
  endless.U16(0).U16(0).U16(0).U16(1).Wide("One");
  EXPECT_THROW(standin::ParseMenuTemplate(endless.b), std::runtime_error);
  Bytes deep;
  deep.U16(0).U16(0);
  for (int i = 0; i < 40; ++i) deep.U16(0x10).Wide("P");
  try {
    standin::ParseMenuTemplate(deep.b);
    ADD_FAILURE() << "parsed";
  } catch (const std::runtime_error& e) {
    EXPECT_NE(std::string(e.what()).find("too deeply"), std::string::npos) << e.what();
  }
}

TEST(Png, GarbageIsRefused) {
  const std::vector<std::uint8_t> garbage = {0x89, 'P', 'N', 'G', 1, 2, 3};
  EXPECT_THROW(standin::DecodePng(garbage), std::runtime_error);
  EXPECT_THROW(standin::DecodeIconImage(garbage), std::runtime_error);
}

TEST(Utf16, SurrogatePairsAndStrays) {
  const char16_t pair[] = {u'a', 0xD83D, 0xDE00, 0xDC00, u'\u30D7'};
  EXPECT_EQ(standin::Utf16ToUtf8(pair), "a\xF0\x9F\x98\x80\xEF\xBF\xBD\xE3\x83\x97");
}

}  // namespace
