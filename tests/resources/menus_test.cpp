#include <gtest/gtest.h>

#include <vector>

#include "built_resources.h"

namespace {

using standin::Language;

struct Entry {
  int id;
  const char* text;  // null: a separator
};

struct MenuCase {
  int id;
  Language language;
  std::vector<Entry> entries;
};

const std::vector<MenuCase>& Cases() {
  static const std::vector<Entry> machines = {{0, "MA-1"}, {1, "MA-2"}, {2, "MA-3"}, {3, "MB-1"},
                                              {4, "MB-2"}, {5, "MB-3"}, {6, "MB-4"}, {7, "MB-5"}};
  static const std::vector<MenuCase> cases = {
      {700,
       Language::kEnglish,
       {{1, "Crop-marks..."}, {0, nullptr}, {3, "Help..."}, {4, "About..."}}},
      {700,
       Language::kJapanese,
       {{1, "クロップマーク..."},
        {0, nullptr},
        {3, "ヘルプ..."},
        {4, "このプラグインについて..."}}},
      {701,
       Language::kEnglish,
       {{0, "Output All Lines"},
        {1, "Output Selected Lines"},
        {2, "Output Current Layer"},
        {3, "Output Marked Lines"}}},
      {701,
       Language::kJapanese,
       {{0, "全て出力"},
        {1, "選択図形を出力"},
        {2, "現在のレイヤーを出力"},
        {3, "マークした図形を出力"}}},
      // One language serves both.
      {702, Language::kEnglish, machines},
      {702, Language::kJapanese, machines},
  };
  return cases;
}

TEST(Menus, EntriesOfEveryMenuInBothLanguages) {
  for (const MenuCase& c : Cases()) {
    SCOPED_TRACE(testing::Message()
                 << "menu " << c.id << " language " << static_cast<int>(c.language));
    auto menu = kwtest::Built().Menu(c.id, c.language);
    ASSERT_TRUE(menu.has_value());
    EXPECT_EQ(menu->id, c.id);
    ASSERT_EQ(menu->entries.size(), c.entries.size());
    for (std::size_t i = 0; i < c.entries.size(); ++i) {
      SCOPED_TRACE(i);
      const standin::MenuEntry& got = menu->entries[i];
      EXPECT_EQ(got.id, c.entries[i].id);
      EXPECT_EQ(got.separator, c.entries[i].text == nullptr);
      EXPECT_EQ(got.text, c.entries[i].text ? c.entries[i].text : "");
      EXPECT_TRUE(got.children.empty());
    }
  }
}

TEST(Menus, MachineTypeMenuExistsInOneLanguageOnly) {
  int copies = 0;
  for (const auto& [key, bytes] : kwtest::Built().All()) copies += key.type == 4 && key.id == 702;
  EXPECT_EQ(copies, 1);
  EXPECT_EQ(kwtest::Built().Menu(703, Language::kEnglish), std::nullopt);
}

}  // namespace
