// A stand-in host without a module for tests that call plug-in code directly: every suite the
// plug-in uses is acquired into its suite variables through the host's basic suite, and released
// again at the end, when the host must report nothing left behind.
#ifndef KERFWORKS_TESTS_SUPPORT_PLUGIN_HOST_H
#define KERFWORKS_TESTS_SUPPORT_PLUGIN_HOST_H

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "plugin/host_suites.h"
#include "standin/core/host.h"

namespace test_support {

class PluginHostTest : public ::testing::Test {
 protected:
  void SetUp() override {
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
    EXPECT_EQ(host_.Leftovers(), std::vector<std::string>{});
  }

  // Runs plug-in code as the host calling into the plug-in.
  void Run(const std::function<void()>& body) { host_.AsHostCall(body); }

  standin::Host host_{NoModule()};

 private:
  static standin::HostOptions NoModule() {
    standin::HostOptions options;
    options.modulePath.clear();
    return options;
  }

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
        Of(kAIPreferenceSuite, kAIPreferenceSuiteVersion, sAIPreference),
    };
    return slots;
  }
};

}  // namespace test_support

#endif  // KERFWORKS_TESTS_SUPPORT_PLUGIN_HOST_H
