#include <gtest/gtest.h>

#include <set>

#include "built_resources.h"

namespace {

using standin::Language;

constexpr std::uint32_t kRed = 0xFFFF0000;
constexpr std::uint32_t kSilver = 0xFFC0C0C0;

std::set<std::uint32_t> Colours(const standin::Picture& pic) {
  return {pic.argb.begin(), pic.argb.end()};
}

TEST(Pictures, ButtonIconsAre32By32With16Or256Colours) {
  for (int id = 1001; id <= 1008; ++id) {
    SCOPED_TRACE(id);
    auto icon = kwtest::Built().Icon(id, Language::kJapanese);
    ASSERT_TRUE(icon.has_value());
    EXPECT_EQ(icon->width, 32);
    EXPECT_EQ(icon->height, 32);
    EXPECT_EQ(icon->argb.size(), 32u * 32u);
    EXPECT_EQ(icon->bitCount, id == 1001 ? 8 : 4);
    EXPECT_EQ(icon->compression, 0u);
    auto colours = Colours(*icon);
    EXPECT_EQ(colours.count(0u), 1u) << "the mask leaves the background transparent";
    EXPECT_GE(colours.size(), 3u) << "a picture, not a blank";
  }
  // The logo uses colours beyond the 16 basic ones.
  EXPECT_GT(Colours(*kwtest::Built().Icon(1001, Language::kEnglish)).size(), 16u);
  EXPECT_EQ(Colours(*kwtest::Built().Icon(1007, Language::kEnglish)).count(kRed), 1u);
  EXPECT_NE(kwtest::Built().Icon(1006, Language::kEnglish)->argb,
            kwtest::Built().Icon(1008, Language::kEnglish)->argb);
}

TEST(Pictures, CropMarkBitmapsAre208By264In16ColoursRunLengthEncoded) {
  for (int id : {132, 1016, 1017}) {
    SCOPED_TRACE(id);
    const auto* raw = kwtest::Built().Raw(2, static_cast<std::uint16_t>(id), Language::kEnglish);
    ASSERT_NE(raw, nullptr);
    auto bitmap = kwtest::Built().Bitmap(id, Language::kEnglish);
    ASSERT_TRUE(bitmap.has_value());
    EXPECT_EQ(bitmap->width, 208);
    EXPECT_EQ(bitmap->height, 264);
    EXPECT_EQ(bitmap->bitCount, 4);
    EXPECT_EQ(bitmap->compression, 2u);  // BI_RLE4
    EXPECT_LT(raw->size(), 208u * 264u / 2u) << "smaller than the unencoded bits";
    auto colours = Colours(*bitmap);
    EXPECT_EQ(colours.count(kRed), 1u) << "red dimension arrows";
    EXPECT_EQ(colours.count(kSilver), 1u) << "grey crop marks";
    for (std::uint32_t c : colours) EXPECT_EQ(c >> 24, 0xFFu);
  }
  EXPECT_NE(kwtest::Built().Bitmap(1016, Language::kEnglish)->argb,
            kwtest::Built().Bitmap(1017, Language::kEnglish)->argb);
  EXPECT_EQ(kwtest::Built().Bitmap(133, Language::kEnglish), std::nullopt);
}

TEST(Pictures, PalettePictureIsAPngThatDecodes) {
  EXPECT_NE(kwtest::Built().RawNamed("PNG", 5041, Language::kEnglish), nullptr);
  auto png = kwtest::Built().Png(5041, Language::kJapanese);
  ASSERT_TRUE(png.has_value());
  EXPECT_EQ(png->width, 32);
  EXPECT_EQ(png->height, 32);
  auto colours = Colours(*png);
  EXPECT_EQ(colours.count(0u), 1u) << "transparent corners";
  EXPECT_EQ(png->argb[16 * 32 + 16] >> 24, 0xFFu) << "an opaque middle";
  EXPECT_EQ(kwtest::Built().Png(5042, Language::kEnglish), std::nullopt);
}

}  // namespace
