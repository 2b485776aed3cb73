// LoadSettings against the stand-in host's preference store, through the acquired suite.
#include <gtest/gtest.h>

#include "hostapi/suites.h"
#include "output/settings.h"
#include "standin/core/host.h"
#include "wrappers/host_suites.h"

namespace {

TEST(LoadSettingsFromHost, ReadsTheSectionAndKeepsDefaultsForMissingOrMistypedKeys) {
  standin::Host host(standin::HostOptions{.modulePath = "", .resourcePath = ""});
  auto& store = host.Preferences();
  store.Set("KerfworksPluginDialog", "kADM_bMarkedObj", true);
  store.Set("KerfworksPluginDialog", "kADM_selectionCode", std::int32_t{4});
  store.Set("KerfworksPluginDialog", "kADM_cropMachineType", std::int32_t{6});
  // Stored as a real, so the integer read fails and the default stays.
  store.Set("KerfworksPluginDialog", "kADM_cropLeftMargin", AIReal{7});
  // Another section is not this plug-in's.
  store.Set("OtherPlugin", "kADM_cropVertDistance", std::int32_t{1});
  host.AsHostCall([&] {
    const void* suite = nullptr;
    ASSERT_EQ(
        host.BasicSuite()->AcquireSuite(kAIPreferenceSuite, kAIPreferenceSuiteVersion, &suite),
        kNoErr);
    sAIPreference = static_cast<const AIPreferenceSuite*>(suite);
    LoadSettings();
    host.BasicSuite()->ReleaseSuite(kAIPreferenceSuite, kAIPreferenceSuiteVersion);
    sAIPreference = nullptr;
  });
  EXPECT_TRUE(kADM_bMarkedObj);
  EXPECT_EQ(OutputModeFromFlags(), kOutputMarked);
  EXPECT_EQ(kADM_selectionCode, 4);
  EXPECT_EQ(gCropMarkSettings.machineType, 6);
  EXPECT_EQ(gCropMarkSettings.leftMargin, 1500);
  EXPECT_EQ(gCropMarkSettings.vertDistance, 21000);
  // The mistyped key is recorded by the stand-in as a failed read, not as misuse.
  for (const auto& leftover : host.Leftovers()) ADD_FAILURE() << leftover;
}

}  // namespace
