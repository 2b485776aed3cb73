#include "output/settings.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <limits>
#include <string>

#include "support/plugin_host.h"

namespace {

// The stand-in's preference store answers a missing key with 0 and leaves the value untouched.
class SettingsTest : public test_support::PluginHostTest {
 protected:
  void Store(const char* key, std::int32_t value) {
    host_.Preferences().Set(kPreferenceSection, key, value);
  }
  void Store(const char* key, bool value) {
    host_.Preferences().Set(kPreferenceSection, key, value);
  }
  void Load() {
    Run([] { LoadSettings(); });
  }
  int Reads() {
    return host_.Gate().Calls(kAIPreferenceSuite, "GetBooleanPreference") +
           host_.Gate().Calls(kAIPreferenceSuite, "GetIntegerPreference");
  }
};

std::string Printed(float value) {
  char text[64];
  std::snprintf(text, sizeof text, "%lf", static_cast<double>(value));
  return text;
}

TEST_F(SettingsTest, EmptyStoreGivesTheDefaults) {
  kADM_bSelectObj = kADM_bCurrentLayer = kADM_bSelectColor = kADM_bMarkedObj = 1;
  Load();
  EXPECT_EQ(Reads(), 10);
  EXPECT_FALSE(kADM_bSelectObj || kADM_bCurrentLayer || kADM_bSelectColor || kADM_bMarkedObj);
  EXPECT_EQ(OutputModeFromFlags(), kOutputAll);
  EXPECT_EQ(kADM_selectionCode, 14);
  EXPECT_EQ(gCropMarkRadius, 500);
  EXPECT_EQ(gCropMarkSettings.leftMargin, 1500);
  EXPECT_EQ(gCropMarkSettings.bottomMargin, 2000);
  EXPECT_EQ(gCropMarkSettings.horzDistance, 17000);
  EXPECT_EQ(gCropMarkSettings.vertDistance, 21000);
  EXPECT_EQ(gCropMarkSettings.machineType, 3);
}

TEST_F(SettingsTest, MachineTypeTableRows) {
  struct Row {
    std::int32_t x, y, w, l;
  };
  const Row rows[kMachineTypeCount] = {{2500, 600, 15000, 25000},  {2300, 600, 24000, 16300},
                                       {2300, 600, 24000, 16300},  {1500, 2000, 17000, 21000},
                                       {1000, 2500, 17000, 21500}, {1000, 2500, 17000, 21500},
                                       {1000, 2500, 17000, 21500}, {1000, 2500, 17000, 21500}};
  for (auto& row : MachineTypeTable) row = {};
  Load();
  for (int r = 0; r < kMachineTypeCount; ++r) {
    SCOPED_TRACE(r);
    EXPECT_EQ(MachineTypeTable[r].leftMargin, rows[r].x);
    EXPECT_EQ(MachineTypeTable[r].bottomMargin, rows[r].y);
    EXPECT_EQ(MachineTypeTable[r].horzDistance, rows[r].w);
    EXPECT_EQ(MachineTypeTable[r].vertDistance, rows[r].l);
    EXPECT_EQ(MachineTypeTable[r].machineType, r);
  }
}

TEST_F(SettingsTest, StoredValuesReplaceDefaultsAndAreNotRangeTested) {
  Store("kADM_bCurrentLayer", true);
  Store("kADM_bSelectColor", true);
  Store("kADM_selectionCode", 0);
  Store("kADM_cropLeftMargin", 1234);
  Store("kADM_cropBottomMargin", -5);
  Store("kADM_cropHorzDistance", 99999);
  Store("kADM_cropVertDistance", 1);
  Store("kADM_cropMachineType", 11);
  Load();
  EXPECT_FALSE(kADM_bSelectObj);
  EXPECT_TRUE(kADM_bCurrentLayer);
  EXPECT_TRUE(kADM_bSelectColor);
  EXPECT_FALSE(kADM_bMarkedObj);
  EXPECT_EQ(kADM_selectionCode, 0);
  EXPECT_EQ(gCropMarkSettings.leftMargin, 1234);
  EXPECT_EQ(gCropMarkSettings.bottomMargin, -5);
  EXPECT_EQ(gCropMarkSettings.horzDistance, 99999);
  EXPECT_EQ(gCropMarkSettings.vertDistance, 1);
  EXPECT_EQ(gCropMarkSettings.machineType, 11);
  // The table keeps its own defaults whatever the current settings hold.
  EXPECT_EQ(MachineTypeTable[3].leftMargin, 1500);
}

TEST_F(SettingsTest, SetOutputModeSetsAtMostOneFlagAndAlwaysClearsSelectColor) {
  struct Case {
    int index;
    bool selected, currentLayer, marked;
  };
  const Case cases[] = {{0, false, false, false}, {1, true, false, false},
                        {2, false, true, false},  {3, false, false, true},
                        {4, false, false, false}, {-1, false, false, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.index);
    kADM_bSelectObj = kADM_bCurrentLayer = kADM_bSelectColor = kADM_bMarkedObj = 1;
    SetOutputMode(c.index);
    EXPECT_EQ(kADM_bSelectObj != 0, c.selected);
    EXPECT_EQ(kADM_bCurrentLayer != 0, c.currentLayer);
    EXPECT_EQ(kADM_bMarkedObj != 0, c.marked);
    EXPECT_FALSE(kADM_bSelectColor);
    EXPECT_EQ(OutputModeFromFlags(), c.index >= 0 && c.index <= 3 ? c.index : 0);
  }
}

TEST_F(SettingsTest, OutputModeFromFlagsPrefersSelectedThenLayerThenMarked) {
  struct Case {
    AIBoolean selected, currentLayer, marked;
    int expected;
  };
  const Case cases[] = {{0, 0, 0, 0}, {1, 1, 1, 1}, {0, 1, 1, 2},
                        {0, 0, 1, 3}, {1, 0, 1, 1}, {0, 7, 0, 2}};
  for (const Case& c : cases) {
    kADM_bSelectObj = c.selected;
    kADM_bCurrentLayer = c.currentLayer;
    kADM_bMarkedObj = c.marked;
    EXPECT_EQ(OutputModeFromFlags(), c.expected);
    // Reading the mode leaves the booleans as they were stored.
    EXPECT_EQ(kADM_bSelectObj, c.selected);
    EXPECT_EQ(kADM_bCurrentLayer, c.currentLayer);
    EXPECT_EQ(kADM_bMarkedObj, c.marked);
  }
}

TEST(Conversions, HundredthsToPointsMatchesTheDocumentedFigures) {
  const std::pair<std::int32_t, const char*> cases[] = {
      {500, "14.173228"},
      {1500, "42.519684"},
      {2000, "56.692913"},
      {17000, "481.889771"},
      {21000, "595.275574"},
      {100, "2.834646"},
      {0, "0.000000"},
      {-500, "-14.173228"},
      // Where float arithmetic would round differently: the conversion is done in double.
      {200000, "5669.291504"},
      {-199997, "-5669.206543"}};
  for (const auto& [hundredths, printed] : cases) {
    EXPECT_EQ(Printed(HundredthsToPoints(hundredths)), printed) << hundredths;
  }
  EXPECT_FALSE(std::signbit(HundredthsToPoints(0)));
}

TEST(Conversions, HundredthsToMillimetres) {
  EXPECT_EQ(HundredthsToMillimetres(1500), 15.0f);
  EXPECT_EQ(HundredthsToMillimetres(12345), 123.45f);
  EXPECT_EQ(HundredthsToMillimetres(-99), -0.99f);
  EXPECT_EQ(HundredthsToMillimetres(0), 0.0f);
}

TEST(Conversions, MillimetresToHundredthsRoundsHalfUpThenTruncates) {
  const std::pair<float, std::int32_t> cases[] = {
      {15.0f, 1500},
      {12.345f, 1235},
      {0.004f, 0},
      {0.005f, 0} /* the float nearest 0.005 lies below it */,
      {0.0051f, 1},
      {0.0f, 0},
      {-1.0f, -99},
      {1e12f, std::numeric_limits<std::int32_t>::max()},
      {-1e12f, std::numeric_limits<std::int32_t>::min()},
      {std::numeric_limits<float>::quiet_NaN(), 0},
      {std::numeric_limits<float>::infinity(), std::numeric_limits<std::int32_t>::max()}};
  for (const auto& [mm, hundredths] : cases) {
    EXPECT_EQ(MillimetresToHundredths(mm), hundredths) << mm;
  }
}

TEST(Conversions, MillimetresRoundTripEveryDisplayedLength) {
  // What the crop-marks dialog shows must read back as the same setting.
  for (std::int32_t hundredths = 0; hundredths <= 100000; ++hundredths) {
    ASSERT_EQ(MillimetresToHundredths(HundredthsToMillimetres(hundredths)), hundredths);
  }
}

}  // namespace
