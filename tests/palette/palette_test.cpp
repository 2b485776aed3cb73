// The palette: its set-up from the preferences, its items' wiring, relayout, and saving.
#include "palette/kerfworks_plugin_dialog.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>

#include "cropmarks/preview.h"
#include "fake_host.h"
#include "output/launcher.h"
#include "palette/palette_items.h"
#include "palette/settings.h"

namespace {

class PaletteTest : public ::testing::Test {
 protected:
  void SetUp() override { fake::Install(); }
  void TearDown() override {
    delete palette_;
    EXPECT_TRUE(fake::The().misuse.empty()) << fake::The().misuse.front();
  }
  fake::Dialog& Open() {
    palette_ = new KerfworksPluginDialog(fake::PluginRef());
    fake::Dialog* d = fake::The().Find("KerfworksPluginDialog");
    EXPECT_NE(d, nullptr);
    return *d;
  }
  KerfworksPluginDialog* palette_ = nullptr;
};

TEST_F(PaletteTest, FirstStartWithAnEmptyStore) {
  fake::Dialog& d = Open();
  EXPECT_EQ(d.resourceId, kPaletteDialogId);
  EXPECT_EQ(d.style, kADMTabbedResizingFloatingDialogStyle);
  // The box the host first made (222 x 356) sits in the layout area's bottom-right corner; the
  // palette then takes the default size from there.
  EXPECT_EQ(d.bounds.left, 1600 - 222);
  EXPECT_EQ(d.bounds.top, 1000 - 356);
  EXPECT_EQ(d.bounds.right - d.bounds.left, 420);
  EXPECT_EQ(d.bounds.bottom - d.bounds.top, 422);
  EXPECT_EQ(d.dockGroup, "SDK Dialogs");
  EXPECT_EQ(d.dockCode, 7168);
  EXPECT_EQ(d.At(kOutputModePopup).activeEntry, kOutputAll);
  EXPECT_EQ(d.At(kOutputModePopup).menuId, 701);
  EXPECT_EQ(d.At(kADMMenuItemID).menuId, 700);
  EXPECT_NE(d.At(kADMMenuItemID).track, nullptr);
  EXPECT_EQ(kADM_selectionCode, 14);
  EXPECT_EQ(fake::The().contextPushes, 1);
  EXPECT_EQ(fake::The().openContexts, 0);
}

TEST_F(PaletteTest, OpeningSettlesTheApplicationAndTheCutFile) {
  gCutFilePath[0] = '\0';
  Open();
  EXPECT_STREQ(gApplicationPath, kFallbackApplicationPath);  // nothing registered here
  const std::string cutFile = gCutFilePath;
  EXPECT_EQ(cutFile.rfind(std::string(KW_BINARY_DIR) + "/palette_scratch/~KW", 0), 0u) << cutFile;
  EXPECT_EQ(std::remove(cutFile.c_str()), 0);  // it was created
}

TEST_F(PaletteTest, ButtonsGetTheirPicturesTooltipsAndHandler) {
  fake::Dialog& d = Open();
  for (int id = 16; id <= 22; ++id) {
    const fake::Item& button = d.At(id);
    EXPECT_EQ(button.style, 1) << id;
    EXPECT_EQ(button.pictureId, 1001 + id - 16) << id;
    EXPECT_EQ(button.pictureName, "hoge");
    EXPECT_EQ(button.tip, "tip " + std::to_string(id));
    EXPECT_NE(button.notify, nullptr);
    EXPECT_EQ(button.notify, d.At(kRedrawButton).notify);
  }
  EXPECT_EQ(d.At(kPreviewItem).style, 1);
  EXPECT_EQ(d.At(kPreviewItem).draw, &DrawPreview);
  EXPECT_EQ(d.iconsSet, 2);
  EXPECT_EQ(fake::The().liveIcons, 0);
}

TEST_F(PaletteTest, SizeLimitsComeFromThePopup) {
  fake::Dialog& d = Open();
  EXPECT_EQ(d.minWidth, 105 + 4);
  EXPECT_EQ(d.minHeight, 48 + 7);
  EXPECT_EQ(d.verticalIncrement, 10);
}

TEST_F(PaletteTest, StoredPlacementAndModeAreRestored) {
  auto& w = fake::The();
  w.pointPrefs["kADM_DPLocationStr"] = {30, 40};
  w.pointPrefs["kADM_DPSizeStr"] = {200, 300};
  w.textPrefs["kADM_DPDockGroupStr"] = "Right Dock";
  w.integerPrefs["kADM_DPDockCodeStr"] = 12;
  w.integerPrefs["kADM_bCurrentLayer"] = 1;
  w.integerPrefs["kADM_bMarkedObj"] = 1;
  fake::Dialog& d = Open();
  EXPECT_EQ(d.bounds.left, 30);
  EXPECT_EQ(d.bounds.top, 40);
  EXPECT_EQ(d.bounds.right, 230);
  EXPECT_EQ(d.bounds.bottom, 340);
  EXPECT_EQ(d.dockGroup, "Right Dock");
  EXPECT_EQ(d.dockCode, 12);
  // Current layer outranks Marked; both stay as stored.
  EXPECT_EQ(d.At(kOutputModePopup).activeEntry, kOutputCurrentLayer);
  EXPECT_TRUE(kADM_bMarkedObj);
}

TEST_F(PaletteTest, OverlongDockGroupIsCutTo63Characters) {
  fake::The().textPrefs["kADM_DPDockGroupStr"] = std::string(100, 'g');
  fake::Dialog& d = Open();
  EXPECT_EQ(d.dockGroup, std::string(63, 'g'));
}

TEST_F(PaletteTest, RelayoutSpansThePreviewBelowRedraw) {
  fake::Dialog& d = Open();
  fake::NotifyDialog(d, "ADM Bounds Changed Notifier");
  const ASRect expected{0, 68 + 4, 420, 422 - 6};
  const ASRect& got = d.At(kPreviewItem).bounds;
  EXPECT_EQ(got.left, expected.left);
  EXPECT_EQ(got.top, expected.top);
  EXPECT_EQ(got.right, expected.right);
  EXPECT_EQ(got.bottom, expected.bottom);
  EXPECT_EQ(d.defaultNotifies, 1);
}

TEST_F(PaletteTest, ZeroSizedPaletteAndOtherNotificationsLeaveThePreviewAlone) {
  fake::Dialog& d = Open();
  const ASRect before = d.At(kPreviewItem).bounds;
  fake::NotifyDialog(d, "ADM Some Other Notifier");
  d.bounds = {50, 50, 50, 50};
  fake::NotifyDialog(d, "ADM Bounds Changed Notifier");
  EXPECT_EQ(d.At(kPreviewItem).bounds.top, before.top);
  EXPECT_EQ(d.At(kPreviewItem).bounds.right, before.right);
  EXPECT_EQ(d.defaultNotifies, 2);  // passed on in every case
}

TEST_F(PaletteTest, SelectionChangeRelaysOut) {
  fake::Dialog& d = Open();
  EXPECT_EQ(palette_->OnArtSelectionChanged(nullptr), kNoErr);
  EXPECT_EQ(d.At(kPreviewItem).bounds.right, 420);
}

TEST_F(PaletteTest, DeletingSavesEverythingInOrderAndDestroysTheDialog) {
  fake::Dialog& d = Open();
  d.bounds = {10, 20, 310, 520};
  d.visible = false;
  SetOutputMode(kOutputMarked);
  gCropMarkSettings.leftMargin = 1234;
  delete palette_;
  palette_ = nullptr;
  auto& w = fake::The();
  EXPECT_TRUE(d.destroyed);
  const std::vector<std::string> order = {
      "kADM_DPDockCodeStr",    "kADM_DPDockGroupStr",   "kADM_DPLocationStr",
      "kADM_DPSizeStr",        "kADM_DPVisibleStr",     "kADM_bSelectObj",
      "kADM_bCurrentLayer",    "kADM_bSelectColor",     "kADM_bMarkedObj",
      "kADM_selectionCode",    "kADM_cropLeftMargin",   "kADM_cropBottomMargin",
      "kADM_cropHorzDistance", "kADM_cropVertDistance", "kADM_cropMachineType"};
  EXPECT_EQ(w.prefWrites, order);
  EXPECT_EQ(w.Pref("kADM_DPLocationStr"), "10,20");
  EXPECT_EQ(w.Pref("kADM_DPSizeStr"), "300,500");
  EXPECT_EQ(w.Pref("kADM_DPVisibleStr"), "0");
  EXPECT_EQ(w.Pref("kADM_DPDockGroupStr"), "SDK Dialogs");
  EXPECT_EQ(w.Pref("kADM_bMarkedObj"), "1");
  EXPECT_EQ(w.Pref("kADM_cropLeftMargin"), "1234");
  EXPECT_EQ(w.liveBlocks, 0);
}

TEST_F(PaletteTest, HostDestroyingThePaletteSavesAndClearsTheOwnersPointer) {
  fake::Dialog& d = Open();
  KerfworksPluginDialog* owner = palette_;
  palette_->SetOwnerSlot(&owner);
  palette_ = nullptr;  // the host deletes it now
  d.bounds = {1, 2, 101, 202};
  fake::DestroyDialog(d);
  EXPECT_EQ(owner, nullptr);
  EXPECT_EQ(fake::The().Pref("kADM_DPSizeStr"), "100,200");
  // Destroy and then the destructor each save the settings; the placement only while bound.
  EXPECT_EQ(std::count(fake::The().prefWrites.begin(), fake::The().prefWrites.end(),
                       "kADM_cropMachineType"),
            2);
  EXPECT_EQ(
      std::count(fake::The().prefWrites.begin(), fake::The().prefWrites.end(), "kADM_DPSizeStr"),
      1);
}

TEST_F(PaletteTest, PaletteWithoutDialogSavesNoPlacement) {
  fake::The().refuseCreate = true;
  palette_ = new KerfworksPluginDialog(fake::PluginRef());
  EXPECT_FALSE(palette_->IsBound());
  fake::The().pointPrefs["kADM_DPSizeStr"] = {420, 422};
  delete palette_;
  palette_ = nullptr;
  EXPECT_EQ(fake::The().Pref("kADM_DPSizeStr"), "420,422");
  EXPECT_NE(fake::The().Pref("kADM_selectionCode"), "-");  // the settings are still saved
}

TEST_F(PaletteTest, OutputModePopupSetsTheModeAndRedrawsThePreview) {
  fake::Dialog& d = Open();
  kADM_bSelectColor = 1;
  fake::Choose(d.At(kOutputModePopup), kOutputSelected);
  EXPECT_TRUE(kADM_bSelectObj);
  EXPECT_FALSE(kADM_bSelectColor);
  EXPECT_EQ(d.At(kPreviewItem).invalidations, 1);
  d.At(kOutputModePopup).activeEntry = kOutputAll;
  fake::NotifyItem(d.At(kOutputModePopup), "ADM Bounds Changed Notifier");
  EXPECT_TRUE(kADM_bSelectObj);  // only the user's change counts
  EXPECT_EQ(d.At(kPreviewItem).invalidations, 1);
}

TEST_F(PaletteTest, FlyoutRunsCropMarksHelpAndAbout) {
  fake::Dialog& d = Open();
  fake::Item& flyout = d.At(kADMMenuItemID);
  fake::Choose(flyout, 1);  // the separator
  EXPECT_TRUE(fake::The().modalRuns.empty());
  fake::Choose(flyout, kFlyoutCropMarks);  // the script's default answer is Cancel
  EXPECT_EQ(fake::The().modalRuns, std::vector<std::string>{"kerfworks-Edit"});
  EXPECT_EQ(fake::The().dialogs.back()->resourceId, 16201);
  EXPECT_EQ(fake::The().dialogs.back()->style, kADMModalDialogStyle);
  EXPECT_EQ(d.At(kPreviewItem).invalidations, 1);  // also after Cancel
  fake::Choose(flyout, kFlyoutAbout);
  EXPECT_EQ(fake::The().modalRuns.back(), "kerfworks-About");
  EXPECT_EQ(fake::The().dialogs.back()->resourceId, 16080);
}

}  // namespace
