// A stand-in host without a module for tests that call plug-in code directly: the suites the
// plug-in's commands, palette and dialogs use are acquired into its suite variables through the
// host's basic suite, and released again at the end, when the host must report nothing left
// behind.
#ifndef KERFWORKS_TESTS_SUPPORT_PLUGIN_HOST_H
#define KERFWORKS_TESTS_SUPPORT_PLUGIN_HOST_H

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "standin/core/host.h"
#include "wrappers/host_suites.h"

namespace test_support {

class PluginHostTest : public ::testing::Test {
 protected:
  PluginHostTest() : host_(NoModule()) {}
  // A host of other options (the plug-in's compiled resources, say); a module is still not loaded.
  explicit PluginHostTest(standin::HostOptions options)
      : host_(WithoutModule(std::move(options))) {}

  void SetUp() override {
    sSPBasic = host_.BasicSuite();  // as the message being handled would hand it over
    Run([&] {
      for (const Slot& slot : Slots()) {
        ASSERT_EQ(host_.BasicSuite()->AcquireSuite(slot.name, slot.version, slot.variable), kNoErr)
            << slot.name;
      }
    });
  }

  void TearDown() override {
    host_.Gate().ClearFailure();
    Run([&] {
      for (const Slot& slot : Slots()) {
        if (*slot.variable == nullptr) continue;
        EXPECT_EQ(host_.BasicSuite()->ReleaseSuite(slot.name, slot.version), kNoErr) << slot.name;
        *slot.variable = nullptr;
      }
    });
    sSPBasic = nullptr;
    EXPECT_EQ(host_.Leftovers(), std::vector<std::string>{});
  }

  // Runs plug-in code as the host calling into the plug-in.
  void Run(const std::function<void()>& body) { host_.AsHostCall(body); }

  standin::Host host_;

 private:
  static standin::HostOptions WithoutModule(standin::HostOptions options) {
    options.modulePath.clear();
    return options;
  }
  static standin::HostOptions NoModule() { return WithoutModule({}); }

  struct Slot {
    const char* name;
    int32_t version;
    const void** variable;
  };

  template <typename Suite>
  static Slot Of(const char* name, int32_t version, const Suite*& variable) {
    return {name, version, reinterpret_cast<const void**>(&variable)};
  }

  static const std::vector<Slot>& Slots() {
    static const std::vector<Slot> slots = {
        Of(kSPBlocksSuite, kSPBlocksSuiteVersion, sSPBlocks),
        Of(kADMItemSuite, kADMItemSuiteVersion, sADMItem),
        Of(kADMDialogSuite, kADMDialogSuiteVersion, sADMDialog),
        Of(kADMDrawerSuite, kADMDrawerSuiteVersion, sADMDrawer),
        Of(kAIDocumentSuite, kAIDocumentSuiteVersion, sAIDocument),
        Of(kAILayerSuite, kAILayerSuiteVersion, sAILayer),
        Of(kAIArtSuite, kAIArtSuiteVersion, sAIArt),
        Of(kAIPathSuite, kAIPathSuiteVersion, sAIPath),
        Of(kAIPathStyleSuite, kAIPathStyleSuiteVersion, sAIPathStyle),
        Of(kAIPathConstructionSuite, kAIPathConstructionSuiteVersion, sAIPathConstruction),
        Of(kAIMatchingArtSuite, kAIMatchingArtSuiteVersion, sAIMatchingArt),
        Of(kAITagSuite, kAITagSuiteVersion, sAITag),
        Of(kAIActionManagerSuite, kAIActionManagerSuiteVersion, sAIActionManager),
        Of(kAIRuntimeSuite, kAIRuntimeSuiteVersion, sAIRuntime),
        Of(kADMListSuite, kADMListSuiteVersion, sADMList),
        Of(kADMEntrySuite, kADMEntrySuiteVersion, sADMEntry),
        Of(kADMNotifierSuite, kADMNotifierSuiteVersion, sADMNotifier),
        Of(kADMTrackerSuite, kADMTrackerSuiteVersion, sADMTracker),
        Of(kADMDialogGroupSuite, kADMDialogGroupSuiteVersion, sADMDialogGroup),
        Of(kADMIconSuite, kADMIconSuiteVersion, sADMIcon),
        Of(kADMBasicSuite, kADMBasicSuiteVersion, sADMBasic),
        Of(kAIPreferenceSuite, kAIPreferenceSuiteVersion, sAIPreference),
        Of(kAIContextSuite, kAIContextSuiteVersion, sAIContext),
        Of(kAIMenuSuite, kAIMenuSuiteVersion, sAIMenu),
        Of(kAINotifierSuite, kAINotifierSuiteVersion, sAINotifier),
        Of(kAIUnicodeStringSuite, kAIUnicodeStringSuiteVersion, sAIUnicodeString),
        Of(kAIPluginSuite, kAIPluginSuiteVersion, sAIPlugin),
        Of(kSPAccessSuite, kSPAccessSuiteVersion, sSPAccess),
        Of(kSPPluginsSuite, kSPPluginsSuiteVersion, sSPPlugins),
    };
    return slots;
  }
};

}  // namespace test_support

#endif  // KERFWORKS_TESTS_SUPPORT_PLUGIN_HOST_H
