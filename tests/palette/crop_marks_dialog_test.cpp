// The crop-marks dialog through modal runs: what it shows, model changes, OK and Cancel.
#include "palette/crop_marks_dialog.h"

#include <gtest/gtest.h>

#include "fake_host.h"

namespace {

class CropMarksDialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fake::Install();
    LoadSettings();
  }
  void TearDown() override { EXPECT_TRUE(fake::The().misuse.empty()); }

  // Runs the dialog with `script` acting as the user; returns the closing item.
  int32_t Run(std::function<int32_t(fake::Dialog&)> script) {
    fake::The().modalScript = std::move(script);
    return RunCropMarksDialog(fake::PluginRef());
  }
  static void PressOk(fake::Dialog& d) {
    fake::NotifyItem(d.At(kCropOkButton), "ADM User Changed Notifier");
  }
};

TEST_F(CropMarksDialogTest, OpensWithTheCurrentSettingsInMillimetres) {
  gCropMarkSettings = {1500, 2000, 17000, 21000, 3};
  Run([](fake::Dialog& d) {
    EXPECT_EQ(d.At(kCropMachineTypePopup).menuId, 702);
    EXPECT_EQ(d.At(kCropMachineTypePopup).activeEntry, 3);
    struct Expect {
      int32_t id;
      float value, minimum, maximum;
    };
    for (const Expect& e :
         {Expect{kCropLeftMarginField, 15, 0, 50}, Expect{kCropBottomMarginField, 20, 0, 50},
          Expect{kCropHorzDistanceField, 170, 50, 1616},
          Expect{kCropVertDistanceField, 210, 50, 3200}}) {
      const fake::Item& field = d.At(e.id);
      EXPECT_FLOAT_EQ(field.value, e.value) << e.id;
      EXPECT_FLOAT_EQ(field.minimum, e.minimum) << e.id;
      EXPECT_FLOAT_EQ(field.maximum, e.maximum) << e.id;
      EXPECT_EQ(field.units, 0);
    }
    EXPECT_EQ(d.At(kCropPictureItem).style, 1);
    EXPECT_NE(d.At(kCropPictureItem).draw, nullptr);
    return kCropCancelButton;
  });
}

TEST_F(CropMarksDialogTest, ModelChangeLoadsItsDefaultsAndEditsAreLost) {
  Run([](fake::Dialog& d) {
    d.At(kCropLeftMarginField).value = 33;
    fake::Choose(d.At(kCropMachineTypePopup), 4);  // MB-2
    EXPECT_FLOAT_EQ(d.At(kCropLeftMarginField).value, 10);
    EXPECT_EQ(gCropMarksWorkingCopy.machineType, 4);
    fake::Choose(d.At(kCropMachineTypePopup), 3);  // MB-1
    EXPECT_FLOAT_EQ(d.At(kCropLeftMarginField).value, 15);
    EXPECT_FLOAT_EQ(d.At(kCropBottomMarginField).value, 20);
    EXPECT_FLOAT_EQ(d.At(kCropHorzDistanceField).value, 170);
    EXPECT_FLOAT_EQ(d.At(kCropVertDistanceField).value, 210);
    EXPECT_EQ(d.At(kCropPictureItem).invalidations, 2);
    return kCropCancelButton;
  });
}

TEST_F(CropMarksDialogTest, CancelKeepsTheCurrentSettings) {
  const CropMarkSettings before = gCropMarkSettings;
  EXPECT_EQ(Run([](fake::Dialog& d) {
              fake::Choose(d.At(kCropMachineTypePopup), 0);
              return kCropCancelButton;
            }),
            kCropCancelButton);
  EXPECT_EQ(gCropMarkSettings.leftMargin, before.leftMargin);
  EXPECT_EQ(gCropMarkSettings.machineType, before.machineType);
  EXPECT_EQ(fake::The().matchingArtRequests, 0);
}

TEST_F(CropMarksDialogTest, OkStoresTheFieldsInHundredthsAndTheModel) {
  Run([](fake::Dialog& d) {
    fake::Choose(d.At(kCropMachineTypePopup), 5);
    d.At(kCropLeftMarginField).value = 12.345f;
    d.At(kCropBottomMarginField).value = 0;
    PressOk(d);
    return kCropOkButton;
  });
  EXPECT_EQ(gCropMarkSettings.leftMargin, 1235);
  EXPECT_EQ(gCropMarkSettings.bottomMargin, 0);
  EXPECT_EQ(gCropMarkSettings.horzDistance, 17000);
  EXPECT_EQ(gCropMarkSettings.vertDistance, 21500);
  EXPECT_EQ(gCropMarkSettings.machineType, 5);
  // No document: the settings are kept, no crop marks are touched.
  EXPECT_EQ(fake::The().matchingArtRequests, 0);
  EXPECT_EQ(fake::The().contextPushes, fake::The().contextPops);
}

TEST_F(CropMarksDialogTest, PictureFollowsTheMachineType) {
  const struct {
    int32_t type, bitmap;
  } cases[] = {{0, 1017}, {2, 1017}, {3, 1016}, {4, 132}, {7, 132}, {8, 1016}, {-1, 1016}};
  for (const auto& c : cases) EXPECT_EQ(CropMarksPictureFor(c.type), c.bitmap) << c.type;
}

TEST_F(CropMarksDialogTest, UnknownStoredModelShowsNoEntryAndOkKeepsIt) {
  gCropMarkSettings.machineType = 9;
  Run([](fake::Dialog& d) {
    EXPECT_EQ(d.At(kCropMachineTypePopup).activeEntry, -1);
    PressOk(d);
    return kCropOkButton;
  });
  EXPECT_EQ(gCropMarkSettings.machineType, 9);
}

}  // namespace
