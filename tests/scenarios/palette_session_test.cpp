// The palette's life through the real module: start-up and registration, the menu item, the
// first placement, what is saved at shut-down and read back by the next session, selection
// changes at every stage, and a palette the host closes on its own.
#include <gtest/gtest.h>

#include "hostapi/messages.h"
#include "scenarios/palette_scenario.h"
#include "standin/model/dialog_system.h"
#include "standin/model/menus.h"
#include "standin/model/modal_script.h"
#include "standin/scenario/document_view.h"
#include "tools/receiver/cut_file_reader.h"

namespace kwtest {
namespace {

using standin::DialogUser;
using standin::Host;
using standin::HostOptions;

constexpr char kStartupMenuText[] = "Show Kerfworks Plugin";

HostOptions InLanguage(bool japanese) {
  HostOptions options;
  options.japanese = japanese;
  return options;
}

bool Equal(const ASRect& a, const ASRect& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

std::string Describe(const ASRect& r) {
  return std::string("{").append(std::to_string(r.left)) + ", " + std::to_string(r.top) + ", " +
         std::to_string(r.right) + ", " + std::to_string(r.bottom) + "}";
}

// Calls the plug-in made to the dialog suites since the log was cleared.
int DialogCalls(Host& host) {
  int calls = 0;
  for (const std::string& call : host.Gate().Log()) calls += call.rfind("ADM ", 0) == 0 ? 1 : 0;
  return calls;
}

using PaletteSessionTest = PaletteScenario;

TEST_F(PaletteSessionTest, StartupRegistersTheMenuItemAndBothNotifiers) {
  Host host;
  ASSERT_EQ(host.Startup(), kNoErr);
  const standin::MenuItemRecord* item = host.Menus().Record(kMenuItemName);
  ASSERT_NE(item, nullptr);
  EXPECT_EQ(item->groupName, "Tool Palettes");
  EXPECT_EQ(item->text, kStartupMenuText);
  EXPECT_EQ(item->options, 1);
  EXPECT_FALSE(item->checked);

  const struct {
    const char* type;
    const char* name;
  } kNotifiers[] = {
      {hostapi::kAIApplicationShutdownNotifier,
       "ThisPlugin_Shutdown AI Application Shutdown Notifier"},
      {hostapi::kAIArtSelectionChangedNotifier, "ThisPlugin_Redraw"},
  };
  for (const auto& expected : kNotifiers) {
    const auto handle = host.App().FindNotifier(expected.type);
    ASSERT_TRUE(handle.has_value()) << expected.type;
    EXPECT_EQ(host.App().notifiers.Find(*handle)->name, expected.name);
  }
  EXPECT_EQ(host.App().setPluginOptionsCalls, 1);
  EXPECT_EQ(host.App().pluginOptions, 0);
  EXPECT_TRUE(host.Dialogs().LiveDialogs().empty()) << "no palette before the application runs";

  ASSERT_EQ(host.NotifyType(hostapi::kAIApplicationStartedNotifier), kNoErr);
  DialogUser user(host);
  const ADMDialogRef palette = user.FindDialog(kPaletteName);
  ASSERT_NE(palette, nullptr);
  ASSERT_TRUE(user.Resize(palette, 300, 400)) << user.LastError();
  const ASRect resized = user.Dialog(palette)->bounds;

  // A second notification must neither build another palette nor place this one anew.
  ASSERT_EQ(host.NotifyType(hostapi::kAIApplicationStartedNotifier), kNoErr);
  EXPECT_EQ(host.Dialogs().LiveDialogs(), std::vector<ADMDialogRef>{palette});
  EXPECT_TRUE(Equal(user.Dialog(palette)->bounds, resized))
      << Describe(user.Dialog(palette)->bounds);
  Stop(host);
}

TEST_F(PaletteSessionTest, MenuTogglesThePaletteAndTheCheckMarkFollowsIt) {
  const struct {
    bool japanese;
    const char* text;
  } kLanguages[] = {
      {false, "Kerfworks Plug-in"},
      {true, "Kerfworks \xE3\x83\x97\xE3\x83\xA9\xE3\x82\xB0\xE3\x82\xA4\xE3\x83\xB3"}};
  for (const auto& language : kLanguages) {
    SCOPED_TRACE(language.japanese ? "Japanese" : "English");
    Host host(InLanguage(language.japanese));
    ASSERT_EQ(host.Startup(), kNoErr);
    const AIMenuItemHandle item = host.Menus().Find(kMenuItemName);
    auto record = [&] { return host.Menus().Record(kMenuItemName); };

    // Before the palette exists the item is renamed but never checked, and choosing it is harmless.
    ASSERT_EQ(host.Menu(item, hostapi::kAIUpdateSelector), kNoErr);
    EXPECT_EQ(record()->text, language.text);
    EXPECT_FALSE(record()->checked);
    EXPECT_EQ(host.Menu(item, hostapi::kAIGoSelector), kNoErr);

    ASSERT_EQ(host.NotifyType(hostapi::kAIApplicationStartedNotifier), kNoErr);
    DialogUser user(host);
    const ADMDialogRef palette = user.FindDialog(kPaletteName);
    ASSERT_NE(palette, nullptr);
    ASSERT_TRUE(user.Dialog(palette)->visible);
    host.Menu(item, hostapi::kAIUpdateSelector);
    EXPECT_TRUE(record()->checked);

    ASSERT_EQ(host.Menu(item, hostapi::kAIGoSelector), kNoErr);
    EXPECT_FALSE(user.Dialog(palette)->visible);
    host.Menu(item, hostapi::kAIUpdateSelector);
    EXPECT_FALSE(record()->checked);

    ASSERT_EQ(host.Menu(item, hostapi::kAIGoSelector), kNoErr);
    EXPECT_TRUE(user.Dialog(palette)->visible);
    host.Menu(item, hostapi::kAIUpdateSelector);
    EXPECT_TRUE(record()->checked);

    // Hidden by the host's own means: the next update clears the mark, the menu shows it again.
    ASSERT_TRUE(user.SetVisible(palette, false));
    host.Menu(item, hostapi::kAIUpdateSelector);
    EXPECT_FALSE(record()->checked);
    host.Menu(item, hostapi::kAIGoSelector);
    EXPECT_TRUE(user.Dialog(palette)->visible);
    EXPECT_EQ(record()->text, language.text);
    Stop(host);
  }
}

TEST_F(PaletteSessionTest, FirstStartWithAnEmptyStore) {
  // The template's size in pixels (111 x 178 dialog units at 6 x 13, 110 x 179 at 6 x 12) sits in
  // the bottom-right corner of the layout rectangle; the palette then takes the default size.
  const struct {
    bool japanese;
    ASRect bounds;
    const char* allLines;
  } kLanguages[] = {
      {false, {1380 - 167, 900 - 289, 1380 - 167 + 420, 900 - 289 + 422}, "Output All Lines"},
      {true,
       {1380 - 165, 900 - 269, 1380 - 165 + 420, 900 - 269 + 422},
       "\xE5\x85\xA8\xE3\x81\xA6\xE5\x87\xBA\xE5\x8A\x9B"},
  };
  for (const auto& language : kLanguages) {
    SCOPED_TRACE(language.japanese ? "Japanese" : "English");
    Host host(InLanguage(language.japanese));
    host.App().paletteLayoutBounds = {100, 50, 1380, 900};
    const ADMDialogRef palette = Start(host);
    ASSERT_NE(palette, nullptr);
    DialogUser user(host);
    const standin::DialogRecord& dialog = *user.Dialog(palette);
    EXPECT_TRUE(Equal(dialog.bounds, language.bounds)) << Describe(dialog.bounds);
    EXPECT_EQ(dialog.dockGroup, "SDK Dialogs");
    EXPECT_EQ(dialog.dockCode, 7168);
    const standin::ItemRecord& popup = Item(host, palette, kOutputModePopup);
    ASSERT_EQ(user.EntryTexts(popup).size(), 4u);
    ASSERT_EQ(user.ActiveIndex(popup), 0);
    EXPECT_EQ(user.EntryTexts(popup)[0], language.allLines);
    Stop(host);
  }
}

TEST_F(PaletteSessionTest, StoredPlacementAndModeAreRestored) {
  Host host;
  auto& prefs = host.Preferences();
  prefs.Set(kPreferenceSection, "kADM_DPLocationStr", ASPoint{40, 30});
  prefs.Set(kPreferenceSection, "kADM_DPSizeStr", ASPoint{300, 505});
  prefs.Set(kPreferenceSection, "kADM_DPDockGroupStr", std::string("Side Dock"));
  prefs.Set(kPreferenceSection, "kADM_DPDockCodeStr", std::int32_t{42});
  prefs.Set(kPreferenceSection, "kADM_bCurrentLayer", true);
  const ADMDialogRef palette = Start(host);
  ASSERT_NE(palette, nullptr);
  DialogUser user(host);
  EXPECT_TRUE(Equal(user.Dialog(palette)->bounds, {40, 30, 340, 535}))
      << Describe(user.Dialog(palette)->bounds);
  EXPECT_EQ(user.Dialog(palette)->dockGroup, "Side Dock");
  EXPECT_EQ(user.Dialog(palette)->dockCode, 42);
  EXPECT_EQ(user.ActiveIndex(Item(host, palette, kOutputModePopup)), 2);
  Stop(host);
}

// The store hands over as much of a long name as the buffer holds, without a terminator.
TEST_F(PaletteSessionTest, OverlongStoredDockGroupIsCutTo63Characters) {
  Host host;
  host.Preferences().Set(kPreferenceSection, "kADM_DPDockGroupStr", std::string(100, 'g'));
  const ADMDialogRef palette = Start(host);
  ASSERT_NE(palette, nullptr);
  EXPECT_EQ(DialogUser(host).Dialog(palette)->dockGroup, std::string(63, 'g'));
  Stop(host);
  EXPECT_EQ(host.Preferences().Get<std::string>(kPreferenceSection, "kADM_DPDockGroupStr"),
            std::string(63, 'g'));
}

// A relayout spans the preview across the palette below the Redraw button (whose bottom is at
// 88 + 23 pixels), ending 6 pixels above the palette's bottom.
TEST_F(PaletteSessionTest, ResizingRelaysOutThePreviewWithinTheSizeLimits) {
  Host host;
  const ADMDialogRef palette = Start(host);
  ASSERT_NE(palette, nullptr);
  DialogUser user(host);
  // The popup spans 8..158 x 62..78 pixels: limits 162 x 85, heights in steps of 10.
  const standin::SizeConstraints& size = user.Dialog(palette)->size;
  EXPECT_EQ(size.minWidth, 162);
  EXPECT_EQ(size.minHeight, 85);
  EXPECT_EQ(size.verticalIncrement, 10);
  EXPECT_FALSE(user.Resize(palette, 161, 300));
  EXPECT_FALSE(user.Resize(palette, 300, 84));

  ASSERT_TRUE(user.Resize(palette, 300, 400)) << user.LastError();
  EXPECT_TRUE(Equal(Item(host, palette, kPreviewItem).bounds, {0, 115, 300, 389}))
      << Describe(Item(host, palette, kPreviewItem).bounds);

  // A palette folded to nothing keeps the preview where it was.
  standin::DialogRecord* record = host.Dialogs().Dialog(palette, {"session test", "Dialog"});
  record->bounds.right = record->bounds.left;
  record->bounds.bottom = record->bounds.top;
  host.Dialogs().NotifyDialog(palette, standin::kBoundsChangedNotifier);
  EXPECT_TRUE(Equal(Item(host, palette, kPreviewItem).bounds, {0, 115, 300, 389}))
      << Describe(Item(host, palette, kPreviewItem).bounds);
  Stop(host);
}

TEST_F(PaletteSessionTest, SelectionChangesReachThePaletteOnlyWhileItExists) {
  Host host;
  ASSERT_EQ(host.Startup(), kNoErr);
  host.Gate().ClearLog();
  EXPECT_EQ(host.NotifyType(hostapi::kAIArtSelectionChangedNotifier), kNoErr);
  EXPECT_EQ(DialogCalls(host), 0) << "before the application started";

  ASSERT_EQ(host.NotifyType(hostapi::kAIApplicationStartedNotifier), kNoErr);
  const ADMDialogRef palette = DialogUser(host).FindDialog(kPaletteName);
  ASSERT_NE(palette, nullptr);
  const ASRect laidOut = {0, 115, 420, 416};
  host.Dialogs().FindItem(host.Dialogs().ItemById(palette, kPreviewItem))->bounds = {1, 2, 3, 4};
  EXPECT_EQ(host.NotifyType(hostapi::kAIArtSelectionChangedNotifier), kNoErr);
  EXPECT_TRUE(Equal(Item(host, palette, kPreviewItem).bounds, laidOut))
      << Describe(Item(host, palette, kPreviewItem).bounds);

  ASSERT_EQ(host.NotifyType(hostapi::kAIApplicationShutdownNotifier), kNoErr);
  EXPECT_TRUE(host.Dialogs().LiveDialogs().empty());
  host.Gate().ClearLog();
  EXPECT_EQ(host.NotifyType(hostapi::kAIArtSelectionChangedNotifier), kNoErr);
  EXPECT_EQ(DialogCalls(host), 0) << "after the application shut down";
  ASSERT_EQ(host.Shutdown(), kNoErr);
  EXPECT_EQ(host.Leftovers(), std::vector<std::string>{});
}

// The host may destroy the palette's dialog on its own; the plug-in must not touch it afterwards.
TEST_F(PaletteSessionTest, PaletteClosedByTheHostSavesOnceAndIsForgotten) {
  Host host;
  const ADMDialogRef palette = Start(host);
  ASSERT_NE(palette, nullptr);
  DialogUser user(host);
  ASSERT_TRUE(user.Pick(palette, kOutputModePopup, 1)) << user.LastError();
  ASSERT_TRUE(user.Close(palette)) << user.LastError();
  EXPECT_TRUE(host.Dialogs().LiveDialogs().empty());
  EXPECT_EQ(host.Preferences().Get<bool>(kPreferenceSection, "kADM_bSelectObj"), true);

  host.Preferences().ClearWriteLog();
  const AIMenuItemHandle item = host.Menus().Find(kMenuItemName);
  EXPECT_EQ(host.Menu(item, hostapi::kAIGoSelector), kNoErr);
  EXPECT_EQ(host.Menu(item, hostapi::kAIUpdateSelector), kNoErr);
  EXPECT_FALSE(host.Menus().Record(kMenuItemName)->checked);
  EXPECT_EQ(host.NotifyType(hostapi::kAIArtSelectionChangedNotifier), kNoErr);
  Stop(host);
  EXPECT_TRUE(host.Preferences().WriteLog().empty()) << "a palette already gone saved again";
}

// The session of a user who sets the palette up, cuts, and comes back the next day.
TEST_F(PaletteSessionTest, WholeSessionAndTheNextOneRestoringItsSettings) {
  RegisterReceiver();
  standin::PreferenceStore carried;
  {
    Host host;
    host.App().paletteLayoutBounds = {0, 0, 1600, 1000};
    const ADMDialogRef palette = Start(host);
    ASSERT_NE(palette, nullptr);
    DialogUser user(host);
    const AIMenuItemHandle item = host.Menus().Find(kMenuItemName);
    host.Menu(item, hostapi::kAIUpdateSelector);
    EXPECT_TRUE(host.Menus().Record(kMenuItemName)->checked) << "the palette is shown";

    OpenDocument(host);
    ASSERT_TRUE(user.Press(palette, kMarkButton)) << user.LastError();
    ASSERT_TRUE(user.Pick(palette, kOutputModePopup, 3)) << user.LastError();
    ASSERT_TRUE(user.Resize(palette, 300, 400)) << user.LastError();
    host.Dialogs().QueueModalScript(
        standin::ModalScript().Pick(kMachineTypePopup, kMb2).Set(kFieldX, 12.345f).Press(1));
    ASSERT_TRUE(user.PickFlyout(palette, kFlyoutCropMarks)) << user.LastError();
    EXPECT_EQ(CropMarkCount(host), 9u) << "four circles and five corner strokes";

    ASSERT_TRUE(user.Press(palette, kOutputButton)) << user.LastError();
    ASSERT_TRUE(WaitForReport()) << "the receiver was not started";
    auto parsed = receiver::ParseCutFile(ReadFile(CutFile()));
    ASSERT_TRUE(std::holds_alternative<receiver::CutFile>(parsed))
        << std::get<receiver::ParseError>(parsed).ToString();
    EXPECT_EQ(std::get<receiver::CutFile>(parsed).paths.size(), 1u) << "the marked box only";

    host.Menu(item, hostapi::kAIGoSelector);
    EXPECT_FALSE(user.Dialog(palette)->visible);
    Stop(host);

    const struct {
      const char* key;
      int value;
    } kIntegers[] = {{"kADM_cropLeftMargin", 1235},    {"kADM_cropBottomMargin", 2500},
                     {"kADM_cropHorzDistance", 17000}, {"kADM_cropVertDistance", 21500},
                     {"kADM_cropMachineType", kMb2},   {"kADM_selectionCode", 14},
                     {"kADM_DPDockCodeStr", 7168}};
    for (const auto& expected : kIntegers) {
      EXPECT_EQ(StoredInteger(host, expected.key), expected.value) << expected.key;
    }
    const auto& prefs = host.Preferences();
    EXPECT_EQ(prefs.Get<bool>(kPreferenceSection, "kADM_bMarkedObj"), true);
    EXPECT_EQ(prefs.Get<bool>(kPreferenceSection, "kADM_bSelectObj"), false);
    EXPECT_EQ(prefs.Get<bool>(kPreferenceSection, "kADM_DPVisibleStr"), false);
    EXPECT_EQ(prefs.Get<std::string>(kPreferenceSection, "kADM_DPDockGroupStr"), "SDK Dialogs");
    const auto location = prefs.Get<ASPoint>(kPreferenceSection, "kADM_DPLocationStr");
    const auto size = prefs.Get<ASPoint>(kPreferenceSection, "kADM_DPSizeStr");
    ASSERT_TRUE(location && size);
    EXPECT_EQ(location->h, 1600 - 167);
    EXPECT_EQ(location->v, 1000 - 289);
    EXPECT_EQ(size->h, 300);
    EXPECT_EQ(size->v, 395);  // 85 + 31 steps of 10
    carried = prefs;
  }

  Host host;
  host.Preferences() = carried;
  host.Preferences().ClearWriteLog();
  const ADMDialogRef palette = Start(host);
  ASSERT_NE(palette, nullptr);
  DialogUser user(host);
  EXPECT_TRUE(Equal(user.Dialog(palette)->bounds, {1433, 711, 1733, 1106}))
      << Describe(user.Dialog(palette)->bounds);
  EXPECT_EQ(user.ActiveIndex(Item(host, palette, kOutputModePopup)), 3);
  OpenDocument(host);
  ASSERT_TRUE(user.Press(palette, kCropMarksButton)) << user.LastError();
  EXPECT_EQ(CropMarkCount(host), 9u) << "the marks of the restored model";
  // The dialog opens on the restored lengths: OK without changes keeps them.
  host.Dialogs().QueueModalScript(standin::ModalScript().Press(1));
  ASSERT_TRUE(user.PickFlyout(palette, kFlyoutCropMarks)) << user.LastError();
  Stop(host);
  EXPECT_EQ(StoredInteger(host, "kADM_cropLeftMargin"), 1235);
  EXPECT_EQ(StoredInteger(host, "kADM_cropMachineType"), kMb2);
}

}  // namespace
}  // namespace kwtest
