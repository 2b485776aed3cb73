// The button handler: default handling, the application context, and which command runs.
#include "commands/palette_button.h"

#include <gtest/gtest.h>

#include "fake_host.h"
#include "palette/kerfworks_plugin_dialog.h"
#include "palette/palette_items.h"

namespace {

class PaletteButtonTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fake::Install();
    palette_ = new KerfworksPluginDialog(fake::PluginRef());
    dialog_ = fake::The().Find("KerfworksPluginDialog");
    ASSERT_NE(dialog_, nullptr);
    fake::The().contextPushes = fake::The().contextPops = 0;
  }
  void TearDown() override {
    delete palette_;
    EXPECT_TRUE(fake::The().misuse.empty());
  }
  void Press(int32_t id, const char* type = "ADM User Changed Notifier") {
    fake::NotifyItem(dialog_->At(id), type);
  }

  KerfworksPluginDialog* palette_ = nullptr;
  fake::Dialog* dialog_ = nullptr;
};

TEST_F(PaletteButtonTest, CropMarksButtonTogglesTheDocumentsMarks) {
  Press(kCropMarksButton);
  // The fake document holds one crop mark: the toggle removes it.
  EXPECT_GE(fake::The().matchingArtRequests, 1);
  EXPECT_EQ(fake::The().disposedArt, 1);
  EXPECT_EQ(dialog_->At(kCropMarksButton).defaultNotifies, 1);
  EXPECT_EQ(fake::The().contextPushes, 1);
  EXPECT_EQ(fake::The().contextPops, 1);
}

TEST_F(PaletteButtonTest, OtherNotificationsRunNoCommandButStillBracketTheContext) {
  Press(kCropMarksButton, "ADM Bounds Changed Notifier");
  EXPECT_EQ(fake::The().matchingArtRequests, 0);
  EXPECT_EQ(dialog_->At(kCropMarksButton).defaultNotifies, 1);
  EXPECT_EQ(fake::The().contextPushes, 1);
  EXPECT_EQ(fake::The().contextPops, 1);
}

TEST_F(PaletteButtonTest, RedrawOnlyInvalidatesThePreview) {
  Press(kRedrawButton);
  EXPECT_EQ(dialog_->At(kPreviewItem).invalidations, 1);
  EXPECT_EQ(dialog_->At(kRedrawButton).defaultNotifies, 1);
  EXPECT_EQ(fake::The().matchingArtRequests, 0);
  EXPECT_EQ(fake::The().openContexts, 0);
}

}  // namespace
