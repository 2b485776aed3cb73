// The crop-marks dialog through modal runs: what it shows, model changes, OK and Cancel.
#include "palette/crop_marks_dialog.h"

#include <gtest/gtest.h>

#include "palette_fixture.h"

namespace palette_test {
namespace {

class CropMarksDialogTest : public PaletteHostTest {
 protected:
  void SetUp() override {
    PaletteHostTest::SetUp();
    Run([] { LoadSettings(); });
  }

  // Runs the dialog with `script` acting as the user; returns the run as the host saw it.
  standin::ModalRun RunDialog(standin::ModalScript script) {
    host_.Dialogs().QueueModalScript(std::move(script));
    int32_t closing = -1;
    Run([&] { closing = RunCropMarksDialog(host_.PluginRef()); });
    if (host_.Dialogs().ModalRuns().empty()) return {};
    standin::ModalRun run = host_.Dialogs().ModalRuns().back();
    EXPECT_EQ(closing, run.result);
    return run;
  }

  // The pictures the dialog's picture item drew, in order (opening, then after each step).
  static std::vector<int> Pictures(const standin::ModalRun& run) {
    std::vector<int> out;
    for (const auto& [item, drawing] : run.paints) {
      if (item != kCropPictureItem) continue;
      for (const standin::DrawOp& op : drawing.ops) {
        if (op.kind == standin::DrawOpKind::kPicture) out.push_back(op.pictureId);
      }
    }
    return out;
  }
};

TEST_F(CropMarksDialogTest, OpensWithTheCurrentSettingsInMillimetres) {
  gCropMarkSettings = {1500, 2000, 17000, 21000, 3};
  const standin::ModalRun run = RunDialog(standin::ModalScript().Press(kCropCancelButton));
  EXPECT_EQ(run.closingLists.at(kCropMachineTypePopup).menuId, 702);
  EXPECT_EQ(run.closingLists.at(kCropMachineTypePopup).activeIndex, 3);
  struct Expect {
    int32_t id;
    float value, minimum, maximum;
  };
  for (const Expect& e :
       {Expect{kCropLeftMarginField, 15, 0, 50}, Expect{kCropBottomMarginField, 20, 0, 50},
        Expect{kCropHorzDistanceField, 170, 50, 1616},
        Expect{kCropVertDistanceField, 210, 50, 3200}}) {
    const standin::ItemRecord& field = run.closingItems.at(e.id);
    EXPECT_FLOAT_EQ(field.value, e.value) << e.id;
    ASSERT_TRUE(field.minValue && field.maxValue) << e.id;
    EXPECT_FLOAT_EQ(*field.minValue, e.minimum) << e.id;
    EXPECT_FLOAT_EQ(*field.maxValue, e.maximum) << e.id;
    EXPECT_EQ(field.units, 0);
  }
  EXPECT_EQ(run.closingItems.at(kCropPictureItem).style, 1);
  EXPECT_EQ(run.closingItems.at(kCropPictureItem).drawProc, &CropMarksPictureDrawProc);
  EXPECT_EQ(Pictures(run), std::vector<int>{1016});
}

TEST_F(CropMarksDialogTest, ModelChangeLoadsItsDefaultsAndEditsAreLost) {
  const standin::ModalRun mb2 = RunDialog(standin::ModalScript()
                                              .Set(kCropLeftMarginField, 33)
                                              .Pick(kCropMachineTypePopup, 4)  // MB-2
                                              .Press(kCropCancelButton));
  EXPECT_FLOAT_EQ(mb2.closingItems.at(kCropLeftMarginField).value, 10);
  EXPECT_EQ(gCropMarksWorkingCopy.machineType, 4);

  const standin::ModalRun back = RunDialog(standin::ModalScript()
                                               .Pick(kCropMachineTypePopup, 4)
                                               .Pick(kCropMachineTypePopup, 3)  // MB-1
                                               .Press(kCropCancelButton));
  EXPECT_FLOAT_EQ(back.closingItems.at(kCropLeftMarginField).value, 15);
  EXPECT_FLOAT_EQ(back.closingItems.at(kCropBottomMarginField).value, 20);
  EXPECT_FLOAT_EQ(back.closingItems.at(kCropHorzDistanceField).value, 170);
  EXPECT_FLOAT_EQ(back.closingItems.at(kCropVertDistanceField).value, 210);
  // Each pick invalidated the picture once: it was painted as the dialog opened and after each.
  EXPECT_EQ(back.closingItems.at(kCropPictureItem).invalidateCalls, 2);
  EXPECT_EQ(Pictures(back), (std::vector<int>{1016, 132, 1016}));
}

TEST_F(CropMarksDialogTest, CancelKeepsTheCurrentSettings) {
  const CropMarkSettings before = gCropMarkSettings;
  const standin::ModalRun run =
      RunDialog(standin::ModalScript().Pick(kCropMachineTypePopup, 0).Press(kCropCancelButton));
  EXPECT_EQ(run.result, kCropCancelButton);
  EXPECT_EQ(gCropMarkSettings.leftMargin, before.leftMargin);
  EXPECT_EQ(gCropMarkSettings.machineType, before.machineType);
  EXPECT_EQ(Calls(kAIMatchingArtSuite, "GetMatchingArt"), 0);
}

TEST_F(CropMarksDialogTest, OkStoresTheFieldsInHundredthsAndTheModel) {
  const standin::ModalRun run = RunDialog(standin::ModalScript()
                                              .Pick(kCropMachineTypePopup, 5)
                                              .Set(kCropLeftMarginField, 12.345f)
                                              .Set(kCropBottomMarginField, 0)
                                              .Press(kCropOkButton));
  EXPECT_EQ(run.result, kCropOkButton);
  EXPECT_EQ(gCropMarkSettings.leftMargin, 1235);
  EXPECT_EQ(gCropMarkSettings.bottomMargin, 0);
  EXPECT_EQ(gCropMarkSettings.horzDistance, 17000);
  EXPECT_EQ(gCropMarkSettings.vertDistance, 21500);
  EXPECT_EQ(gCropMarkSettings.machineType, 5);
  // No document: the settings are kept, no crop marks are touched.
  EXPECT_EQ(Calls(kAIMatchingArtSuite, "GetMatchingArt"), 0);
  EXPECT_EQ(host_.App().contextPushes, 1);
  EXPECT_EQ(host_.App().openContexts, 0);
}

TEST_F(CropMarksDialogTest, PictureFollowsTheMachineType) {
  const struct {
    int32_t type, bitmap;
  } cases[] = {{0, 1017}, {2, 1017}, {3, 1016}, {4, 132}, {7, 132}, {8, 1016}, {-1, 1016}};
  for (const auto& c : cases) EXPECT_EQ(CropMarksPictureFor(c.type), c.bitmap) << c.type;
}

TEST_F(CropMarksDialogTest, UnknownStoredModelShowsNoEntryAndOkKeepsIt) {
  gCropMarkSettings.machineType = 9;
  const standin::ModalRun run = RunDialog(standin::ModalScript().Press(kCropOkButton));
  EXPECT_EQ(run.closingLists.at(kCropMachineTypePopup).activeIndex, -1);
  EXPECT_EQ(gCropMarkSettings.machineType, 9);
}

}  // namespace
}  // namespace palette_test
