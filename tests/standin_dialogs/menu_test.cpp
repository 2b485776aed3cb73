// Menu items through the AI Menu Suite: group, text, check mark.
#include "standin/model/menus.h"
#include "standin_dialogs/dialog_fixture.h"

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace kwtest {
namespace {

TEST_F(DialogTest, MenuItemsKeepGroupTextAndCheckMark) {
  AIMenuItemHandle item = nullptr;
  AsPlugin([&] {
    AIUnicodeStringHandle text = nullptr;
    ASSERT_EQ(strings->Initialize(&text, "Show Kerfworks Plugin", kAIPlatformCharacterEncoding),
              kNoErr);
    const AIPlatformAddMenuItemData data{"Tool Palettes", text};
    ASSERT_EQ(menus->AddMenuItem(host.PluginRef(), "Kerfworks Plugin Menu Item", &data, 1, &item),
              kNoErr);
    EXPECT_NE(menus->AddMenuItem(host.PluginRef(), "Kerfworks Plugin Menu Item", &data, 1, nullptr),
              kNoErr);
    strings->Dispose(text);

    ASSERT_EQ(strings->Initialize(&text, "Kerfworks Plug-in", kAIPlatformCharacterEncoding),
              kNoErr);
    EXPECT_EQ(menus->SetItemText(item, text), kNoErr);
    strings->Dispose(text);
    EXPECT_EQ(menus->CheckItem(item, true), kNoErr);

    AIUnicodeStringHandle back = nullptr;
    ASSERT_EQ(menus->GetItemText(item, &back), kNoErr);
    char utf8[64];
    strings->GetUTF8(back, utf8, sizeof utf8);
    EXPECT_STREQ(utf8, "Kerfworks Plug-in");
    strings->Dispose(back);
  });
  const standin::MenuItemRecord* record = host.Menus().Record("Kerfworks Plugin Menu Item");
  ASSERT_NE(record, nullptr);
  EXPECT_EQ(record->groupName, "Tool Palettes");
  EXPECT_EQ(record->text, "Kerfworks Plug-in");
  EXPECT_EQ(record->options, 1);
  EXPECT_TRUE(record->checked);
  EXPECT_EQ(host.Menus().Find("Kerfworks Plugin Menu Item"), item);
  EXPECT_THAT(Leftovers(), ElementsAre("misbehaviour: AI Menu Suite::AddMenuItem: added menu item "
                                       "\"Kerfworks Plugin Menu Item\" twice"));
}

TEST_F(DialogTest, MenuCallsWithBadHandlesFail) {
  AsPlugin([&] {
    const AIPlatformAddMenuItemData noText{"Tool Palettes", nullptr};
    AIMenuItemHandle item = nullptr;
    EXPECT_NE(menus->AddMenuItem(host.PluginRef(), "Item", &noText, 1, &item), kNoErr);
    EXPECT_EQ(item, nullptr);
    EXPECT_NE(menus->AddMenuItem(host.PluginRef(), "Item", nullptr, 1, &item), kNoErr);
    EXPECT_NE(menus->CheckItem(nullptr, true), kNoErr);
  });
  EXPECT_THAT(Leftovers(),
              ElementsAre("misbehaviour: AI Menu Suite::AddMenuItem: passed an unknown host string",
                          "misbehaviour: AI Menu Suite::AddMenuItem: passed a null item data",
                          "misbehaviour: AI Menu Suite::CheckItem: passed an unknown menu item"));
}

}  // namespace
}  // namespace kwtest
