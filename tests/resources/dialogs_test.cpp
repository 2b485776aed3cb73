#include <gtest/gtest.h>

#include <vector>

#include "built_resources.h"

namespace {

using standin::Language;

constexpr std::uint32_t kDialogStyle = 0x90C800C0;
constexpr std::uint32_t kItem = 0x50000000;     // child, visible
constexpr std::uint32_t kTab = 0x50010000;      // and a tab stop
constexpr std::uint32_t kDefault = 0x50010001;  // default push button
constexpr std::uint32_t kLine = 0x50000010;     // etched horizontal line

constexpr const char* kPicture = "ADM Picture Push Button Type";
constexpr const char* kPopup = "ADM Popup List Type";
constexpr const char* kEdit = "ADM Text Edit Type";
constexpr const char* kStatic = "Static";
constexpr const char* kButton = "Button";

struct Item {
  int id;
  const char* windowClass;
  int x, y, width, height;
  const char* text;
  std::uint32_t style;
};

struct DialogCase {
  int id;
  Language language;
  const char* caption;
  const char* font;
  int fontSize;
  int width, height;
  std::vector<Item> items;
};

std::vector<Item> Palette(bool japanese) {
  return {
      {16, kPicture, 5, 2, 45, 28, japanese ? "Cut" : "", kTab},
      {17, kPicture, 53, 2, 16, 13, "", kTab},
      {18, kPicture, 71, 2, 16, 13, "", kTab},
      {19, kPicture, 89, 2, 16, 13, "", kTab},
      {20, kPicture, 53, 17, 16, 13, "", kTab},
      {21, kPicture, 71, 17, 16, 13, "", kTab},
      {22, kPicture, 89, 17, 16, 13, "", kTab},
      japanese ? Item{-1, kStatic, 4, 33, 103, 1, "", kLine}
               : Item{-1, kStatic, 5, 33, 102, 1, "", kLine},
      {23, kPopup, 5, 38, 100, 10, "", kTab},
      japanese ? Item{-1, kStatic, 6, 56, 50, 10, "プレビュー :", kItem}
               : Item{-1, kStatic, 7, 56, 39, 10, "Preview :", kItem},
      japanese ? Item{24, kButton, 73, 53, 32, 13, "更新", kTab}
               : Item{24, kButton, 72, 54, 33, 14, "Redraw", kTab},
      {25, kStatic, 8, 72, 92, 100, "", kItem},
  };
}

const std::vector<DialogCase>& Cases() {
  static const std::vector<DialogCase> cases = {
      {16200, Language::kEnglish, "Talvex Kerfworks", "MS Sans Serif", 8, 111, 178, Palette(false)},
      {16200, Language::kJapanese, "Talvex Kerfworks", "ＭＳ Ｐゴシック", 9, 110, 179,
       Palette(true)},
      {16201,
       Language::kEnglish,
       "Crop-marks",
       "MS Sans Serif",
       8,
       244,
       258,
       {
           {-1, kStatic, 8, 12, 31, 9, "Type:", kItem},
           {37, kPopup, 48, 12, 126, 11, "", kTab},
           {-1, kStatic, 9, 31, 223, 1, "", kLine},
           {-1, kStatic, 8, 60, 8, 8, "W:", kItem},
           {32, kEdit, 23, 57, 40, 14, "", kTab},
           {-1, kStatic, 68, 60, 20, 8, "mm", kItem},
           {-1, kStatic, 8, 79, 8, 8, "L:", kItem},
           {33, kEdit, 23, 76, 40, 14, "", kTab},
           {-1, kStatic, 68, 79, 20, 8, "mm", kItem},
           {-1, kStatic, 8, 109, 8, 8, "X:", kItem},
           {34, kEdit, 23, 106, 40, 14, "", kTab},
           {-1, kStatic, 68, 109, 20, 8, "mm", kItem},
           {-1, kStatic, 8, 129, 8, 8, "Y:", kItem},
           {35, kEdit, 23, 127, 40, 14, "", kTab},
           {-1, kStatic, 68, 129, 20, 8, "mm", kItem},
           {36, kStatic, 80, 44, 156, 180, "", kItem},
           {1, kButton, 128, 236, 52, 16, "OK", kDefault},
           {2, kButton, 184, 236, 52, 16, "Cancel", kTab},
       }},
      {16201,
       Language::kJapanese,
       "クロップマーク",
       "ＭＳ Ｐゴシック",
       9,
       254,
       247,
       {
           {-1, kStatic, 8, 12, 36, 8, "タイプ:", kItem},
           {37, kPopup, 48, 10, 108, 10, "", kTab},
           {-1, kStatic, 8, 28, 244, 1, "", kLine},
           {-1, kStatic, 8, 51, 8, 8, "W:", kItem},
           {32, kEdit, 18, 48, 40, 14, "", kTab},
           {-1, kStatic, 63, 51, 19, 8, "mm", kItem},
           {-1, kStatic, 8, 71, 8, 8, "L:", kItem},
           {33, kEdit, 18, 68, 40, 14, "", kTab},
           {-1, kStatic, 63, 71, 19, 8, "mm", kItem},
           {-1, kStatic, 8, 101, 8, 8, "X:", kItem},
           {34, kEdit, 18, 98, 40, 14, "", kTab},
           {-1, kStatic, 63, 101, 19, 8, "mm", kItem},
           {-1, kStatic, 8, 121, 8, 8, "Y:", kItem},
           {35, kEdit, 18, 118, 40, 14, "", kTab},
           {-1, kStatic, 63, 121, 19, 8, "mm", kItem},
           {36, kStatic, 84, 36, 160, 180, "", kItem},
           {1, kButton, 136, 224, 52, 16, "OK", kDefault},
           {2, kButton, 192, 224, 52, 16, "キャンセル", kTab},
       }},
  };
  return cases;
}

TEST(Dialogs, EveryTemplateMatchesItsTableItemByItem) {
  for (const DialogCase& c : Cases()) {
    SCOPED_TRACE(testing::Message()
                 << "dialog " << c.id << " language " << static_cast<int>(c.language));
    auto dialog = kwtest::Built().Dialog(c.id, c.language);
    ASSERT_TRUE(dialog.has_value());
    EXPECT_EQ(dialog->id, c.id);
    EXPECT_EQ(dialog->caption, c.caption);
    EXPECT_EQ(dialog->fontName, c.font);
    EXPECT_EQ(dialog->fontSize, c.fontSize);
    EXPECT_EQ(dialog->style, kDialogStyle);
    EXPECT_EQ(dialog->width, c.width);
    EXPECT_EQ(dialog->height, c.height);
    ASSERT_EQ(dialog->items.size(), c.items.size());
    for (std::size_t i = 0; i < c.items.size(); ++i) {
      const Item& want = c.items[i];
      const standin::DialogItemTemplate& got = dialog->items[i];
      SCOPED_TRACE(testing::Message() << "item " << i << " (id " << want.id << ")");
      EXPECT_EQ(got.id, want.id);
      EXPECT_TRUE(standin::SameWindowClass(got.windowClass, want.windowClass)) << got.windowClass;
      EXPECT_EQ(got.text, want.text);
      EXPECT_EQ(got.style, want.style);
      EXPECT_EQ(std::vector<int>({got.x, got.y, got.width, got.height}),
                std::vector<int>({want.x, want.y, want.width, want.height}));
    }
  }
}

TEST(Dialogs, AboutBoxHasTwoTextsAndClosesOnOk) {
  for (Language language : {Language::kEnglish, Language::kJapanese}) {
    auto about = kwtest::Built().Dialog(16080, language);
    ASSERT_TRUE(about.has_value());
    EXPECT_EQ(about->style, kDialogStyle);
    ASSERT_EQ(about->items.size(), 3u);
    for (int i = 0; i < 2; ++i) {
      EXPECT_TRUE(standin::SameWindowClass(about->items[i].windowClass, kStatic));
      EXPECT_NE(about->items[i].text.find("Kerfworks"), std::string::npos);
    }
    EXPECT_EQ(about->items[2].id, 1);
    EXPECT_EQ(about->items[2].text, "OK");
    EXPECT_EQ(about->items[2].style, kDefault);
  }
  EXPECT_NE(kwtest::Built().Dialog(16080, Language::kEnglish)->caption,
            kwtest::Built().Dialog(16080, Language::kJapanese)->caption);
}

TEST(Dialogs, UnknownDialogIsAbsent) {
  EXPECT_EQ(kwtest::Built().Dialog(16202, Language::kEnglish), std::nullopt);
  EXPECT_EQ(kwtest::Built().Dialog(-1, Language::kEnglish), std::nullopt);
}

TEST(WindowClass, ComparesWithoutCase) {
  EXPECT_TRUE(standin::SameWindowClass("ADM POPUP LIST TYPE", "ADM Popup List Type"));
  EXPECT_FALSE(standin::SameWindowClass("ADM Popup List Type", "ADM Popup List"));
  EXPECT_FALSE(standin::SameWindowClass("Button", "Static"));
}

}  // namespace
