// LoadSettings against the stand-in host's preference store, through the acquired suite.
#include <gtest/gtest.h>

#include "output/settings.h"
#include "support/plugin_host.h"

namespace {

using LoadSettingsFromHost = test_support::PluginHostTest;

TEST_F(LoadSettingsFromHost, ReadsTheSectionAndKeepsDefaultsForMissingOrMistypedKeys) {
  auto& store = host_.Preferences();
  store.Set("KerfworksPluginDialog", "kADM_bMarkedObj", true);
  store.Set("KerfworksPluginDialog", "kADM_selectionCode", std::int32_t{4});
  store.Set("KerfworksPluginDialog", "kADM_cropMachineType", std::int32_t{6});
  // Stored as a real, so the integer read fails and the default stays.
  store.Set("KerfworksPluginDialog", "kADM_cropLeftMargin", AIReal{7});
  // Another section is not this plug-in's.
  store.Set("OtherPlugin", "kADM_cropVertDistance", std::int32_t{1});
  Run([] { LoadSettings(); });
  EXPECT_TRUE(kADM_bMarkedObj);
  EXPECT_EQ(OutputModeFromFlags(), kOutputMarked);
  EXPECT_EQ(kADM_selectionCode, 4);
  EXPECT_EQ(gCropMarkSettings.machineType, 6);
  EXPECT_EQ(gCropMarkSettings.leftMargin, 1500);
  EXPECT_EQ(gCropMarkSettings.vertDistance, 21000);
  // The mistyped key is a failed read, not misuse: the fixture finds nothing left over.
}

}  // namespace
