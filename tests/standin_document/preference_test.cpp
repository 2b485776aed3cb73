#include <cstring>

#include "suite_fixture.h"

namespace kwtest {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr char kSection[] = "KerfworksPluginDialog";

class PreferenceTest : public DocumentSuitesTest {};

TEST_F(PreferenceTest, EveryTypeRoundTripsThroughTheStore) {
  InHost([&] {
    const ASPoint where{-12, 345};
    EXPECT_EQ(kNoErr, preferences->PutBooleanPreference(kSection, "kADM_bSelectObj", 7));
    EXPECT_EQ(kNoErr, preferences->PutIntegerPreference(kSection, "kADM_selectionCode", -4));
    EXPECT_EQ(kNoErr, preferences->PutRealPreference(kSection, "scale", 0.125f));
    EXPECT_EQ(kNoErr, preferences->PutStringPreference(kSection, "kADM_DPDockGroupStr", "Dock"));
    EXPECT_EQ(kNoErr, preferences->PutPointPreference(kSection, "kADM_DPSizeStr", &where));
    AIBoolean flag = 0;
    int32_t number = 0;
    AIReal real = 0;
    char text[16] = "xxxxxxxxxxxxxxx";
    ASPoint point{0, 0};
    EXPECT_EQ(kNoErr, preferences->GetBooleanPreference(kSection, "kADM_bSelectObj", &flag));
    EXPECT_EQ(kNoErr, preferences->GetIntegerPreference(kSection, "kADM_selectionCode", &number));
    EXPECT_EQ(kNoErr, preferences->GetRealPreference(kSection, "scale", &real));
    EXPECT_EQ(kNoErr,
              preferences->GetStringPreference(kSection, "kADM_DPDockGroupStr", text, sizeof text));
    EXPECT_EQ(kNoErr, preferences->GetPointPreference(kSection, "kADM_DPSizeStr", &point));
    EXPECT_EQ(1, flag);
    EXPECT_EQ(-4, number);
    EXPECT_EQ(0.125f, real);
    EXPECT_STREQ("Dock", text);
    EXPECT_EQ(-12, point.h);
    EXPECT_EQ(345, point.v);
  });
  EXPECT_EQ(true, host.Preferences().Get<bool>(kSection, "kADM_bSelectObj"));
  EXPECT_THAT(host.Preferences().WriteLog(),
              ElementsAre("kADM_bSelectObj", "kADM_selectionCode", "scale", "kADM_DPDockGroupStr",
                          "kADM_DPSizeStr"));
  EXPECT_THAT(Leftovers(), IsEmpty());
}

TEST_F(PreferenceTest, MissingKeysAndOtherTypesLeaveTheCallersDefault) {
  host.Preferences().Set(kSection, "kADM_cropMachineType", std::string("3"));
  host.Preferences().Set("OtherSection", "kADM_cropLeftMargin", std::int32_t{99});
  InHost([&] {
    int32_t machine = 3, margin = 1500;
    AIBoolean flag = 1;
    ASPoint point{420, 422};
    EXPECT_EQ(kNoErr, preferences->GetIntegerPreference(kSection, "kADM_cropLeftMargin", &margin));
    EXPECT_NE(kNoErr,
              preferences->GetIntegerPreference(kSection, "kADM_cropMachineType", &machine));
    EXPECT_EQ(kNoErr, preferences->GetBooleanPreference(kSection, "kADM_bMarkedObj", &flag));
    EXPECT_EQ(kNoErr, preferences->GetPointPreference(kSection, "kADM_DPSizeStr", &point));
    EXPECT_EQ(1500, margin);
    EXPECT_EQ(3, machine);
    EXPECT_EQ(1, flag);
    EXPECT_EQ(420, point.h);
  });
  EXPECT_THAT(Leftovers(), IsEmpty());
}

TEST_F(PreferenceTest, AStringThatDoesNotFitIsCutWithoutItsTerminator) {
  const std::string stored(70, 'g');
  host.Preferences().Set(kSection, "kADM_DPDockGroupStr", stored);
  InHost([&] {
    char buffer[66];
    std::memset(buffer, '#', sizeof buffer);
    ASSERT_EQ(kNoErr,
              preferences->GetStringPreference(kSection, "kADM_DPDockGroupStr", buffer, 64));
    EXPECT_EQ(std::string(64, 'g'), std::string(buffer, 64));
    EXPECT_EQ('#', buffer[64]);
    char exact[71];
    ASSERT_EQ(kNoErr, preferences->GetStringPreference(kSection, "kADM_DPDockGroupStr", exact,
                                                       sizeof exact));
    EXPECT_EQ(stored, exact);
  });
  EXPECT_THAT(Leftovers(), IsEmpty());
}

TEST_F(PreferenceTest, MalformedCallsAreRecordedAndStoreNothing) {
  InHost([&] {
    int32_t number = 0;
    char buffer[4];
    EXPECT_EQ(kBadParameterErr, preferences->PutIntegerPreference(nullptr, "k", 1));
    EXPECT_EQ(kBadParameterErr, preferences->PutIntegerPreference(kSection, nullptr, 1));
    EXPECT_EQ(kBadParameterErr, preferences->PutStringPreference(kSection, "k", nullptr));
    EXPECT_EQ(kBadParameterErr, preferences->PutPointPreference(kSection, "k", nullptr));
    EXPECT_EQ(kBadParameterErr, preferences->GetIntegerPreference(kSection, "k", nullptr));
    EXPECT_EQ(kBadParameterErr, preferences->GetStringPreference(kSection, "k", buffer, 0));
    EXPECT_EQ(0, number);
  });
  EXPECT_EQ(6u, Misbehaviour().size());
  EXPECT_EQ(0u, host.Preferences().Size());
}

}  // namespace
}  // namespace kwtest
