// The dialog system on the plug-in's own compiled resources, in both languages.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "hostapi/suites.h"
#include "standin/core/host.h"
#include "standin/model/dialog_user.h"
#include "support/held_suites.h"

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

constexpr char kResPath[] = KW_BINARY_DIR "/plugin-module/KerfworksPlugin.res";

struct Built {
  std::vector<int> ids;
  std::string redrawText;
  std::vector<std::string> popup;
  int iconWidth = 0;
  std::vector<std::string> leftovers;
};

Built BuildPalette(bool japanese) {
  standin::Host host(
      standin::HostOptions{.modulePath = "", .resourcePath = kResPath, .japanese = japanese});
  const ADMDialogSuite* dialogs = nullptr;
  const ADMItemSuite* items = nullptr;
  const ADMListSuite* lists = nullptr;
  const ADMIconSuite* icons = nullptr;
  Built built;
  test_support::HeldSuites suites(host);
  suites.Acquire(kADMDialogSuite, kADMDialogSuiteVersion, dialogs);
  suites.Acquire(kADMItemSuite, kADMItemSuiteVersion, items);
  suites.Acquire(kADMListSuite, kADMListSuiteVersion, lists);
  suites.Acquire(kADMIconSuite, kADMIconSuiteVersion, icons);
  host.AsHostCall([&] {
    ADMDialogRef palette =
        dialogs->Create(host.PluginRef(), "KerfworksPluginDialog", 16200,
                        kADMTabbedResizingFloatingDialogStyle, nullptr, nullptr, 0);
    ASSERT_NE(palette, nullptr);
    lists->SetMenuID(items->GetList(dialogs->GetItem(palette, 23)), 701);
    lists->SetMenuID(items->GetList(dialogs->GetItem(palette, kADMMenuItemID)), 700);
    items->SetPictureID(dialogs->GetItem(palette, 21), 1006, "hoge");
    ADMIconRef icon = icons->GetFromResource(host.PluginRef(), nullptr, 5041, 0);
    built.iconWidth = icon == nullptr ? 0 : icons->GetWidth(icon);
    dialogs->SetIcon(palette, 0, icon);

    standin::DialogUser user(host);
    for (const standin::ItemRecord* item :
         {user.Item(palette, 16), user.Item(palette, 22), user.Item(palette, 23),
          user.Item(palette, 24), user.Item(palette, 25)}) {
      if (item != nullptr) built.ids.push_back(item->id);
    }
    built.redrawText = user.Item(palette, 24)->text;
    built.popup = user.EntryTexts(*user.Item(palette, 23));
    dialogs->Destroy(palette);
  });
  suites.ReleaseAll();
  built.leftovers = host.Leftovers();
  return built;
}

TEST(PluginResourcesTest, PaletteBuildsFromTheEnglishResources) {
  const Built built = BuildPalette(false);
  EXPECT_THAT(built.ids, ElementsAre(16, 22, 23, 24, 25));
  EXPECT_EQ(built.redrawText, "Redraw");
  EXPECT_THAT(built.popup, ElementsAre("Output All Lines", "Output Selected Lines",
                                       "Output Current Layer", "Output Marked Lines"));
  EXPECT_GT(built.iconWidth, 0);
  EXPECT_THAT(built.leftovers, IsEmpty());
}

TEST(PluginResourcesTest, PaletteBuildsFromTheJapaneseResources) {
  const Built built = BuildPalette(true);
  EXPECT_THAT(built.ids, ElementsAre(16, 22, 23, 24, 25));
  EXPECT_EQ(built.redrawText, "\xE6\x9B\xB4\xE6\x96\xB0");  // "更新"
  EXPECT_THAT(built.leftovers, IsEmpty());
}

TEST(PluginResourcesTest, UnreadableResourcesAreReportedOnceNotThrown) {
  standin::Host host(standin::HostOptions{
      .modulePath = "", .resourcePath = "/nonexistent/KerfworksPlugin.res", .japanese = false});
  host.AsHostCall([&] {
    EXPECT_EQ(host.Dialogs().Create({host.PluginRef(), "P", 16200, 5, nullptr, nullptr, 0, false},
                                    {"resources test", "Create"}),
              nullptr);
    EXPECT_EQ(host.Dialogs().Resources(), nullptr);
  });
  const std::vector<std::string> leftovers = host.Leftovers();
  ASSERT_EQ(leftovers.size(), 2u);
  EXPECT_NE(leftovers[0].find("cannot read the plug-in's resources"), std::string::npos);
  EXPECT_EQ(leftovers[1],
            "misbehaviour: call #0 resources test::Create (started): no dialog resource 16200");
}

}  // namespace
