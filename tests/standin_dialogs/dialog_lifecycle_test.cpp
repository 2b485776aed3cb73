// Dialogs built from templates, their callbacks and user data, the host's destroy and leftovers.
#include "standin/model/dialog_units.h"
#include "standin_dialogs/dialog_fixture.h"

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace kwtest {
namespace {

bool SameRect(const ASRect& a, const ASRect& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

TEST(DialogUnitsTest, ConvertsLikeWindowsRoundingHalfAwayFromZero) {
  struct Case {
    const char* font;
    int size;
    int x, y, w, h;
    ASRect expected;
  };
  const Case cases[] = {
      // 5 * 6 / 4 = 7.5 -> 8, 38 * 13 / 8 = 61.75 -> 62, 10 * 13 / 8 = 16.25 -> 16
      {"MS Sans Serif", 8, 5, 38, 100, 10, {8, 62, 158, 78}},
      {"MS Sans Serif", 8, 0, 0, 111, 178, {0, 0, 167, 289}},
      // "ＭＳ Ｐゴシック" 9: 6 x 12 base units
      {"\xEF\xBC\xAD\xEF\xBC\xB3 \xEF\xBC\xB0\xE3\x82\xB4\xE3\x82\xB7\xE3\x83\x83\xE3\x82\xAF",
       9,
       5,
       38,
       100,
       10,
       {8, 57, 158, 72}},
      // an unknown font scales 6 x 13 by size: 12 points -> 9 x 20
      {"Arial", 12, 4, 8, 4, 8, {9, 20, 18, 40}},
  };
  for (const Case& c : cases) {
    const standin::DialogUnits units(standin::BaseUnitsOf(c.font, c.size));
    EXPECT_TRUE(SameRect(units.Rect(c.x, c.y, c.w, c.h), c.expected)) << c.font << " " << c.size;
  }
}

TEST(ItemKindTest, ComesFromTheTemplateClassInAnyCaseAndTheStyle) {
  using standin::ItemKind;
  struct Case {
    const char* windowClass;
    std::uint32_t style;
    ItemKind kind;
  };
  const Case cases[] = {
      {"ADM Picture Push Button Type", 0x50010000, ItemKind::kPicturePushButton},
      {"ADM POPUP LIST TYPE", 0x50010000, ItemKind::kPopupList},
      {"adm text edit type", 0, ItemKind::kTextEdit},
      {"Button", 0x50010001, ItemKind::kPushButton},
      {"BUTTON", 0x50010003, ItemKind::kCheckBox},
      {"Button", 0x50010009, ItemKind::kRadioButton},
      {"Button", 0x50000007, ItemKind::kFrame},
      {"Static", 0x50000010, ItemKind::kFrame},
      {"Static", 0x50000000, ItemKind::kStaticText},
      {"Edit", 0, ItemKind::kTextEdit},
      {"ADM Slider Type", 0, ItemKind::kCustom},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(standin::ItemKindOf(c.windowClass, c.style), c.kind)
        << c.windowClass << " " << std::hex << c.style;
  }
}

TEST_F(DialogTest, CreateBuildsItemsFromTheTemplateAndRunsInitWithTheUserData) {
  int object = 0;
  ADMUserData seenUserData = nullptr;
  Log().init = [&](ADMDialogRef dialog) {
    seenUserData = dialogs->GetUserData(dialog);
    dialogs->SetNotifyProc(dialog, &DialogNotifyProc);
    return kNoErr;
  };
  const ADMDialogRef palette = CreatePalette(&object);
  ASSERT_NE(palette, nullptr);
  EXPECT_EQ(seenUserData, &object);

  const standin::DialogRecord* record = user.Dialog(palette);
  ASSERT_NE(record, nullptr);
  EXPECT_EQ(record->caption, "Palette");
  EXPECT_EQ(record->bounds.right - record->bounds.left, 167);
  EXPECT_EQ(record->bounds.bottom - record->bounds.top, 289);
  struct Expected {
    int id;
    standin::ItemKind kind;
    ASRect bounds;
  };
  const Expected expected[] = {
      {kADMMenuItemID, standin::ItemKind::kFlyoutMenu, {0, 0, 0, 0}},
      {16, standin::ItemKind::kPicturePushButton, {8, 3, 76, 49}},
      {23, standin::ItemKind::kPopupList, {8, 62, 158, 78}},
      {24, standin::ItemKind::kPushButton, {108, 88, 158, 111}},
      {25, standin::ItemKind::kStaticText, {12, 117, 150, 280}},
  };
  for (const Expected& e : expected) {
    const standin::ItemRecord* item = user.Item(palette, e.id);
    ASSERT_NE(item, nullptr) << e.id;
    EXPECT_EQ(item->kind, e.kind) << e.id;
    EXPECT_TRUE(SameRect(item->bounds, e.bounds)) << e.id;
  }
  EXPECT_EQ(user.Item(palette, -1)->kind, standin::ItemKind::kFrame);
  EXPECT_EQ(user.Item(palette, 24)->text, "Redraw");

  AsPlugin([&] {
    EXPECT_EQ(dialogs->GetPluginRef(palette), host.PluginRef());
    EXPECT_STREQ(dialogs->GetDialogName(palette), "Palette");
    EXPECT_EQ(items->GetDialog(dialogs->GetItem(palette, 23)), palette);
    EXPECT_EQ(dialogs->GetItem(palette, 99), nullptr);
    ASRect local{};
    dialogs->GetLocalRect(palette, &local);
    EXPECT_TRUE(SameRect(local, {0, 0, 167, 289}));
    dialogs->Destroy(palette);
  });
  EXPECT_THAT(Leftovers(), IsEmpty());
}

TEST_F(DialogTest, FailingInitDestroysTheDialogAndCreateAnswersNull) {
  int destroyed = 0;
  Log().init = [&](ADMDialogRef dialog) {
    dialogs->SetDestroyProc(dialog, &DestroyProc);
    return static_cast<ASErr>(kBadParameterErr);
  };
  Log().destroy = [&](ADMDialogRef) { ++destroyed; };
  EXPECT_EQ(CreatePalette(), nullptr);
  EXPECT_EQ(destroyed, 1);
  EXPECT_EQ(user.FindDialog("Palette"), nullptr);
  EXPECT_THAT(Leftovers(), IsEmpty());
}

TEST_F(DialogTest, PressSendsUserChangedToTheItemAndItsDefaultPassesItToTheDialog) {
  const ADMDialogRef palette = CreatePalette();
  std::vector<std::string> seen;
  Log().itemNotify = [&](ADMItemRef item, ADMNotifierRef notifier) {
    EXPECT_EQ(notifiers->GetItem(notifier), item);
    EXPECT_EQ(notifiers->GetDialog(notifier), palette);
    char type[64];
    notifiers->GetNotifierType(notifier, type, sizeof type);
    seen.push_back(std::string("item ") + std::to_string(items->GetID(item)) + ": " + type);
    items->DefaultNotify(item, notifier);
  };
  Log().dialogNotify = [&](ADMDialogRef, ADMNotifierRef notifier) {
    seen.push_back(notifiers->IsNotifierType(notifier, standin::kUserChangedNotifier)
                       ? "dialog: user changed"
                       : "dialog: other");
  };
  AsPlugin([&] {
    items->SetNotifyProc(dialogs->GetItem(palette, 16), &ItemNotifyProc);
    dialogs->SetNotifyProc(palette, &DialogNotifyProc);
  });
  EXPECT_TRUE(user.Press(palette, 16));
  EXPECT_TRUE(user.Press(palette, 24));  // no item callback: the host's default reaches the dialog
  EXPECT_FALSE(user.Press(palette, 99));
  EXPECT_THAT(seen, ElementsAre("item 16: ADM User Changed Notifier", "dialog: user changed",
                                "dialog: user changed"));

  AsPlugin([&] { dialogs->Show(palette, false); });
  EXPECT_FALSE(user.Press(palette, 16));
  EXPECT_EQ(user.LastError(), "dialog \"Palette\" is hidden");
  AsPlugin([&] { dialogs->Destroy(palette); });
  EXPECT_THAT(Leftovers(), IsEmpty());
}

TEST_F(DialogTest, HostCloseRunsTheDestroyCallbackAndADestroyFromInsideIsRecorded) {
  const ADMDialogRef palette = CreatePalette();
  int destroyed = 0;
  Log().destroy = [&](ADMDialogRef dialog) {
    ++destroyed;
    dialogs->SetUserData(dialog, nullptr);  // the dialog is still live here
    dialogs->Destroy(dialog);
  };
  AsPlugin([&] { dialogs->SetDestroyProc(palette, &DestroyProc); });
  EXPECT_TRUE(user.Close(palette));
  EXPECT_EQ(destroyed, 1);
  EXPECT_EQ(user.Dialog(palette), nullptr);
  // Kept as the host found it: the callback that then ran was still installed.
  ASSERT_EQ(host.Dialogs().DestroyedDialogs().size(), 1u);
  EXPECT_EQ(host.Dialogs().DestroyedDialogs()[0].name, "Palette");
  EXPECT_EQ(host.Dialogs().DestroyedDialogs()[0].destroyProc, &DestroyProc);
  const std::vector<std::string> leftovers = Leftovers();
  ASSERT_EQ(leftovers.size(), 1u);
  EXPECT_NE(leftovers[0].find("while it was already being destroyed"), std::string::npos);
}

TEST_F(DialogTest, SizeLimitsRefuseSmallSizesAndHeightsStepByTheIncrement) {
  const ADMDialogRef palette = CreatePalette();
  std::vector<ASRect> notified;
  Log().dialogNotify = [&](ADMDialogRef dialog, ADMNotifierRef notifier) {
    ASSERT_TRUE(notifiers->IsNotifierType(notifier, standin::kBoundsChangedNotifier));
    ASRect local{};
    dialogs->GetLocalRect(dialog, &local);
    notified.push_back(local);
  };
  AsPlugin([&] {
    dialogs->SetNotifyProc(palette, &DialogNotifyProc);
    dialogs->SetMinWidth(palette, 162);
    dialogs->SetMinHeight(palette, 85);
    dialogs->SetVerticalIncrement(palette, 10);
  });
  EXPECT_FALSE(user.Resize(palette, 161, 300));
  EXPECT_FALSE(user.Resize(palette, 200, 84));
  EXPECT_TRUE(user.Resize(palette, 162, 85));
  EXPECT_TRUE(user.Resize(palette, 250, 119));  // 85 + 3 * 10
  ASSERT_EQ(notified.size(), 2u);
  EXPECT_TRUE(SameRect(notified[0], {0, 0, 162, 85}));
  EXPECT_TRUE(SameRect(notified[1], {0, 0, 250, 115}));

  AsPlugin([&] {
    dialogs->SetVerticalIncrement(palette, 0);
    dialogs->Destroy(palette);
  });
  const std::vector<std::string> leftovers = Leftovers();
  ASSERT_EQ(leftovers.size(), 1u);
  EXPECT_NE(leftovers[0].find("SetVerticalIncrement: passed 0"), std::string::npos);
}

TEST_F(DialogTest, DockGroupBoundsVisibilityAndIconsAreKept) {
  const ADMDialogRef palette = CreatePalette();
  AsPlugin([&] {
    const char* group = nullptr;
    int32_t code = -1;
    ASSERT_EQ(groups->GetDialogGroupInfo(palette, &group, &code), kNoErr);
    EXPECT_STREQ(group, "");
    std::string name = "SDK Dialogs";
    EXPECT_EQ(groups->SetDialogGroupInfo(palette, name.c_str(), 7168), kNoErr);
    name = "changed";  // the host copied it
    ASSERT_EQ(groups->GetDialogGroupInfo(palette, &group, &code), kNoErr);
    EXPECT_STREQ(group, "SDK Dialogs");
    EXPECT_EQ(code, 7168);

    const ASRect bounds{1180, 578, 1600, 1000};
    dialogs->SetBoundsRect(palette, &bounds);
    ASRect back{};
    dialogs->GetBoundsRect(palette, &back);
    EXPECT_TRUE(SameRect(back, bounds));

    EXPECT_TRUE(dialogs->IsVisible(palette));
    dialogs->Show(palette, false);
    EXPECT_FALSE(dialogs->IsVisible(palette));

    for (int state : {0, 1}) {
      ADMIconRef icon = icons->GetFromResource(host.PluginRef(), nullptr, kPaletteIcon, 0);
      ASSERT_NE(icon, nullptr);
      EXPECT_EQ(icons->GetWidth(icon), 24);
      dialogs->SetIcon(palette, state, icon);
    }
    EXPECT_EQ(icons->GetFromResource(host.PluginRef(), nullptr, 4242, 0), nullptr);
  });
  EXPECT_EQ(user.Dialog(palette)->icons.size(), 2u);
  EXPECT_TRUE(user.SetVisible(palette, true));
  AsPlugin([&] { EXPECT_TRUE(dialogs->IsVisible(palette)); });

  // Icons the dialog took over go with it; one kept by the plug-in is a leftover.
  AsPlugin([&] {
    icons->GetFromResource(host.PluginRef(), nullptr, kButtonIcon, 0);
    dialogs->Destroy(palette);
  });
  EXPECT_THAT(Leftovers(), ElementsAre("icon not destroyed: resource 1001"));
}

TEST_F(DialogTest, DialogsLeftOpenAreLeftovers) {
  CreatePalette();
  EXPECT_THAT(Leftovers(), ElementsAre("dialog not destroyed: \"Palette\" (resource 100)"));
}

}  // namespace
}  // namespace kwtest
