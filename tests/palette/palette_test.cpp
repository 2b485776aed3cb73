// The palette: its set-up from the preferences, its items' wiring, relayout, and saving.
#include "palette/kerfworks_plugin_dialog.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>

#include "cropmarks/preview.h"
#include "output/launcher.h"
#include "output/settings.h"
#include "palette_fixture.h"
#include "resources/palette_items.h"
#include "standin/resources/resources.h"

namespace palette_test {
namespace {

class PaletteTest : public PaletteHostTest {
 protected:
  ADMDialogRef Open() {
    const ADMDialogRef dialog = OpenPalette();
    EXPECT_NE(dialog, nullptr);
    return dialog;
  }
  // Where the host first puts a new dialog of the palette's resource, before the palette moves it.
  ASRect CreatedBounds() {
    ASRect bounds{};
    Run([&] {
      const ADMDialogRef bare =
          sADMDialog->Create(host_.PluginRef(), "bare", kPaletteDialogId, 0, nullptr, nullptr, 0);
      sADMDialog->GetBoundsRect(bare, &bounds);
      sADMDialog->Destroy(bare);
    });
    return bounds;
  }
};

TEST_F(PaletteTest, FirstStartWithAnEmptyStore) {
  const ASRect created = CreatedBounds();
  ASSERT_GT(created.right - created.left, 0);
  const ADMDialogRef d = Open();
  const standin::DialogRecord& dialog = Dialog(d);
  EXPECT_EQ(dialog.resourceId, kPaletteDialogId);
  EXPECT_EQ(dialog.style, kADMTabbedResizingFloatingDialogStyle);
  // The box the host first made sits in the layout area's (1600 x 1000) bottom-right corner; the
  // palette then takes the default size from there.
  EXPECT_EQ(dialog.bounds.left, 1600 - (created.right - created.left));
  EXPECT_EQ(dialog.bounds.top, 1000 - (created.bottom - created.top));
  EXPECT_EQ(dialog.bounds.right - dialog.bounds.left, 420);
  EXPECT_EQ(dialog.bounds.bottom - dialog.bounds.top, 422);
  EXPECT_EQ(dialog.dockGroup, "SDK Dialogs");
  EXPECT_EQ(dialog.dockCode, 7168);
  EXPECT_EQ(ActiveEntry(Item(d, kOutputModePopup)), kOutputAll);
  EXPECT_EQ(MenuOf(Item(d, kOutputModePopup)), 701);
  EXPECT_EQ(MenuOf(Item(d, kADMMenuItemID)), 700);
  EXPECT_NE(Item(d, kADMMenuItemID).trackProc, nullptr);
  EXPECT_EQ(kADM_selectionCode, 14);
  EXPECT_EQ(host_.App().contextPushes, 1);
  EXPECT_EQ(host_.App().openContexts, 0);
}

TEST_F(PaletteTest, OpeningSettlesTheApplicationAndTheCutFile) {
  gCutFilePath[0] = '\0';
  Open();
  EXPECT_STREQ(gApplicationPath, kFallbackApplicationPath);  // nothing registered here
  const std::string cutFile = gCutFilePath;
  EXPECT_EQ(cutFile.rfind(kScratch + "/~KW", 0), 0u) << cutFile;
  EXPECT_EQ(std::remove(cutFile.c_str()), 0);  // it was created
}

TEST_F(PaletteTest, ButtonsGetTheirPicturesTooltipsAndHandler) {
  const ADMDialogRef d = Open();
  for (int id = 16; id <= 22; ++id) {
    const standin::ItemRecord& button = Item(d, id);
    EXPECT_EQ(button.style, 1) << id;
    EXPECT_EQ(button.pictureId, 1001 + id - 16) << id;
    EXPECT_EQ(button.pictureName, "hoge");
    const auto tip = host_.PluginResources().String(16216 + id - 16, standin::Language::kEnglish);
    ASSERT_TRUE(tip.has_value()) << id;
    EXPECT_EQ(button.tip, *tip);
    EXPECT_NE(button.notifyProc, nullptr);
    EXPECT_EQ(button.notifyProc, Item(d, kRedrawButton).notifyProc);
  }
  EXPECT_EQ(Item(d, kPreviewItem).style, 1);
  EXPECT_EQ(Item(d, kPreviewItem).drawProc, &DrawPreview);
  // Both icon states carry the palette's picture; the dialog owns them, so none is left over.
  const standin::DialogRecord& dialog = Dialog(d);
  ASSERT_EQ(dialog.icons.size(), 2u);
  for (const auto& [state, icon] : dialog.icons) {
    const standin::IconRecord* record = host_.Dialogs().FindIcon(icon);
    ASSERT_NE(record, nullptr) << state;
    EXPECT_EQ(record->resourceId, kPaletteIconPicture);
    EXPECT_EQ(record->owner, d);
  }
}

TEST_F(PaletteTest, SizeLimitsComeFromThePopup) {
  const ADMDialogRef d = Open();
  const ASRect popup = Item(d, kOutputModePopup).bounds;
  ASSERT_GT(popup.right, 0);
  EXPECT_EQ(Dialog(d).size.minWidth, popup.right + 4);
  EXPECT_EQ(Dialog(d).size.minHeight, popup.bottom + 7);
  EXPECT_EQ(Dialog(d).size.verticalIncrement, 10);
}

TEST_F(PaletteTest, StoredPlacementAndModeAreRestored) {
  StorePref("kADM_DPLocationStr", ASPoint{30, 40});
  StorePref("kADM_DPSizeStr", ASPoint{200, 300});
  StorePref("kADM_DPDockGroupStr", std::string("Right Dock"));
  StorePref("kADM_DPDockCodeStr", std::int32_t{12});
  StorePref("kADM_bCurrentLayer", true);
  StorePref("kADM_bMarkedObj", true);
  const ADMDialogRef d = Open();
  const standin::DialogRecord& dialog = Dialog(d);
  EXPECT_EQ(dialog.bounds.left, 30);
  EXPECT_EQ(dialog.bounds.top, 40);
  EXPECT_EQ(dialog.bounds.right, 230);
  EXPECT_EQ(dialog.bounds.bottom, 340);
  EXPECT_EQ(dialog.dockGroup, "Right Dock");
  EXPECT_EQ(dialog.dockCode, 12);
  // Current layer outranks Marked; both stay as stored.
  EXPECT_EQ(ActiveEntry(Item(d, kOutputModePopup)), kOutputCurrentLayer);
  EXPECT_TRUE(kADM_bMarkedObj);
}

TEST_F(PaletteTest, OverlongDockGroupIsCutTo63Characters) {
  StorePref("kADM_DPDockGroupStr", std::string(100, 'g'));
  const ADMDialogRef d = Open();
  EXPECT_EQ(Dialog(d).dockGroup, std::string(63, 'g'));
}

TEST_F(PaletteTest, RelayoutSpansThePreviewBelowRedraw) {
  const ADMDialogRef d = Open();
  const int before = Calls(kADMDialogSuite, "DefaultNotify");
  NotifyDialog(d, "ADM Bounds Changed Notifier");
  const ASRect expected{0, Item(d, kRedrawButton).bounds.bottom + 4, 420, 422 - 6};
  const ASRect& got = Item(d, kPreviewItem).bounds;
  EXPECT_EQ(got.left, expected.left);
  EXPECT_EQ(got.top, expected.top);
  EXPECT_EQ(got.right, expected.right);
  EXPECT_EQ(got.bottom, expected.bottom);
  EXPECT_EQ(Calls(kADMDialogSuite, "DefaultNotify") - before, 1);
}

TEST_F(PaletteTest, ZeroSizedPaletteAndOtherNotificationsLeaveThePreviewAlone) {
  const ADMDialogRef d = Open();
  const ASRect before = Item(d, kPreviewItem).bounds;
  const int notifiesBefore = Calls(kADMDialogSuite, "DefaultNotify");
  NotifyDialog(d, "ADM Some Other Notifier");
  Dialog(d).bounds = {50, 50, 50, 50};
  NotifyDialog(d, "ADM Bounds Changed Notifier");
  EXPECT_EQ(Item(d, kPreviewItem).bounds.top, before.top);
  EXPECT_EQ(Item(d, kPreviewItem).bounds.right, before.right);
  // Passed on in every case.
  EXPECT_EQ(Calls(kADMDialogSuite, "DefaultNotify") - notifiesBefore, 2);
}

TEST_F(PaletteTest, SelectionChangeRelaysOut) {
  const ADMDialogRef d = Open();
  ASErr result = -1;
  Run([&] { result = palette_->OnArtSelectionChanged(nullptr); });
  EXPECT_EQ(result, kNoErr);
  EXPECT_EQ(Item(d, kPreviewItem).bounds.right, 420);
}

TEST_F(PaletteTest, DeletingSavesEverythingInOrderAndDestroysTheDialog) {
  const ADMDialogRef d = Open();
  Dialog(d).bounds = {10, 20, 310, 520};
  ASSERT_TRUE(user_.SetVisible(d, false));
  SetOutputMode(kOutputMarked);
  gCropMarkSettings.leftMargin = 1234;
  DeletePalette();
  EXPECT_EQ(user_.FindDialog(kPaletteDialogName), nullptr);
  const std::vector<std::string> order = {
      "kADM_DPDockCodeStr",    "kADM_DPDockGroupStr",   "kADM_DPLocationStr",
      "kADM_DPSizeStr",        "kADM_DPVisibleStr",     "kADM_bSelectObj",
      "kADM_bCurrentLayer",    "kADM_bSelectColor",     "kADM_bMarkedObj",
      "kADM_selectionCode",    "kADM_cropLeftMargin",   "kADM_cropBottomMargin",
      "kADM_cropHorzDistance", "kADM_cropVertDistance", "kADM_cropMachineType"};
  EXPECT_EQ(PrefWrites(), order);
  EXPECT_EQ(Pref("kADM_DPLocationStr"), "10,20");
  EXPECT_EQ(Pref("kADM_DPSizeStr"), "300,500");
  EXPECT_EQ(Pref("kADM_DPVisibleStr"), "0");
  EXPECT_EQ(Pref("kADM_DPDockGroupStr"), "SDK Dialogs");
  EXPECT_EQ(Pref("kADM_bMarkedObj"), "1");
  EXPECT_EQ(Pref("kADM_cropLeftMargin"), "1234");
  // Every block is given back: the fixture's end finds none left over.
}

TEST_F(PaletteTest, HostDestroyingThePaletteSavesAndClearsTheOwnersPointer) {
  const ADMDialogRef d = Open();
  KerfworksPluginDialog* owner = palette_;
  palette_->SetOwnerSlot(&owner);
  palette_ = nullptr;  // the host deletes it now
  Dialog(d).bounds = {1, 2, 101, 202};
  ASSERT_TRUE(user_.Close(d));
  EXPECT_EQ(owner, nullptr);
  EXPECT_EQ(Pref("kADM_DPSizeStr"), "100,200");
  // Destroy and then the destructor each save the settings; the placement only while bound.
  EXPECT_EQ(std::count(PrefWrites().begin(), PrefWrites().end(), "kADM_cropMachineType"), 2);
  EXPECT_EQ(std::count(PrefWrites().begin(), PrefWrites().end(), "kADM_DPSizeStr"), 1);
}

TEST_F(PaletteTest, PaletteWithoutDialogSavesNoPlacement) {
  // The host cannot build the dialog: the object's block comes first, then the dialog is asked for.
  const std::size_t start = host_.Gate().Log().size();
  host_.Gate().FailCall(2);
  EXPECT_EQ(OpenPalette(), nullptr);
  host_.Gate().ClearFailure();
  ASSERT_GT(host_.Gate().Log().size(), start + 1);
  EXPECT_EQ(host_.Gate().Log()[start + 1], "ADM Dialog Suite::Create");
  ASSERT_NE(palette_, nullptr);
  EXPECT_FALSE(palette_->IsBound());
  StorePref("kADM_DPSizeStr", ASPoint{123, 456});
  DeletePalette();
  EXPECT_EQ(Pref("kADM_DPSizeStr"), "123,456");
  EXPECT_NE(Pref("kADM_selectionCode"), "-");  // the settings are still saved
}

TEST_F(PaletteTest, OutputModePopupSetsTheModeAndRedrawsThePreview) {
  const ADMDialogRef d = Open();
  kADM_bSelectColor = 1;
  ASSERT_TRUE(user_.Pick(d, kOutputModePopup, kOutputSelected));
  EXPECT_TRUE(kADM_bSelectObj);
  EXPECT_FALSE(kADM_bSelectColor);
  EXPECT_EQ(Item(d, kPreviewItem).invalidateCalls, 1);
  // The host moves the choice back without the user; only the user's change counts.
  const standin::ListRecord* list =
      host_.Dialogs().List(Item(d, kOutputModePopup).list, {"palette test", "List"});
  ASSERT_NE(list, nullptr);
  host_.Dialogs().SelectEntry(list->entries.at(kOutputAll), true);
  NotifyItem(d, kOutputModePopup, "ADM Bounds Changed Notifier");
  EXPECT_TRUE(kADM_bSelectObj);
  EXPECT_EQ(Item(d, kPreviewItem).invalidateCalls, 1);
}

TEST_F(PaletteTest, FlyoutRunsCropMarksHelpAndAbout) {
  const ADMDialogRef d = Open();
  const auto& runs = host_.Dialogs().ModalRuns();
  ASSERT_TRUE(user_.PickFlyout(d, 1));  // the separator
  EXPECT_TRUE(runs.empty());
  ASSERT_TRUE(user_.PickFlyout(d, kFlyoutCropMarks));  // no script: the host presses Cancel
  ASSERT_EQ(runs.size(), 1u);
  EXPECT_EQ(runs.back().name, "kerfworks-Edit");
  EXPECT_EQ(runs.back().resourceId, 16201);
  EXPECT_EQ(runs.back().style, kADMModalDialogStyle);
  EXPECT_EQ(runs.back().result, 2);
  EXPECT_EQ(Item(d, kPreviewItem).invalidateCalls, 1);  // also after Cancel
  host_.Dialogs().QueueModalScript(standin::ModalScript().Press(1));
  ASSERT_TRUE(user_.PickFlyout(d, kFlyoutAbout));
  ASSERT_EQ(runs.size(), 2u);
  EXPECT_EQ(runs.back().name, "kerfworks-About");
  EXPECT_EQ(runs.back().resourceId, 16080);
}

}  // namespace
}  // namespace palette_test
