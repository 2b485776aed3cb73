// The button handler: default handling, the application context, and which command runs.
#include "commands/palette_button.h"

#include <gtest/gtest.h>

#include <memory>

#include "cropmarks/crop_mark_shapes.h"
#include "palette_fixture.h"
#include "resources/palette_items.h"
#include "standin/scenario/document_builder.h"
#include "standin/scenario/document_view.h"

namespace palette_test {
namespace {

class PaletteButtonTest : public PaletteHostTest {
 protected:
  void SetUp() override {
    PaletteHostTest::SetUp();
    // A document holding one crop mark, which the toggle would remove.
    doc_ = std::make_unique<standin::DocumentBuilder>(host_.Documents());
    doc_->Page(595.2756f, 841.8898f);
    doc_->Circle("mark", 30, 30, 14).Tag(kCropMarkTag, "1");
    dialog_ = OpenPalette();
    ASSERT_NE(dialog_, nullptr);
    pushesBefore_ = host_.App().contextPushes;
  }
  void Press(int32_t id, const char* type = "ADM User Changed Notifier") {
    NotifyItem(dialog_, id, type);
  }
  int Pushes() { return host_.App().contextPushes - pushesBefore_; }
  std::size_t CropMarks() {
    return standin::DocumentView(host_.Documents()).Tagged(kCropMarkTag).size();
  }

  std::unique_ptr<standin::DocumentBuilder> doc_;
  ADMDialogRef dialog_ = nullptr;
  int pushesBefore_ = 0;
};

TEST_F(PaletteButtonTest, CropMarksButtonTogglesTheDocumentsMarks) {
  Press(kCropMarksButton);
  EXPECT_GE(Calls(kAIMatchingArtSuite, "GetMatchingArt"), 1);
  EXPECT_EQ(Calls(kAIArtSuite, "DisposeArt"), 1);
  EXPECT_EQ(CropMarks(), 0u);
  EXPECT_EQ(Calls(kADMItemSuite, "DefaultNotify"), 1);
  EXPECT_EQ(Pushes(), 1);
  EXPECT_EQ(host_.App().openContexts, 0);
}

TEST_F(PaletteButtonTest, OtherNotificationsRunNoCommandButStillBracketTheContext) {
  Press(kCropMarksButton, "ADM Bounds Changed Notifier");
  EXPECT_EQ(Calls(kAIMatchingArtSuite, "GetMatchingArt"), 0);
  EXPECT_EQ(CropMarks(), 1u);
  EXPECT_EQ(Calls(kADMItemSuite, "DefaultNotify"), 1);
  EXPECT_EQ(Pushes(), 1);
  EXPECT_EQ(host_.App().openContexts, 0);
}

TEST_F(PaletteButtonTest, RedrawOnlyInvalidatesThePreview) {
  Press(kRedrawButton);
  EXPECT_EQ(Item(dialog_, kPreviewItem).invalidateCalls, 1);
  EXPECT_EQ(Calls(kADMItemSuite, "DefaultNotify"), 1);
  EXPECT_EQ(Calls(kAIMatchingArtSuite, "GetMatchingArt"), 0);
  EXPECT_EQ(CropMarks(), 1u);
  EXPECT_EQ(host_.App().openContexts, 0);
}

}  // namespace
}  // namespace palette_test
