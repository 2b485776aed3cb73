// A stand-in host without a module for tests that call plug-in code directly: the suites of the
// plug-in's own tables are acquired into its suite variables through the host's basic suite, and
// released again at the end, when the host must report nothing left behind.
#ifndef KERFWORKS_TESTS_SUPPORT_PLUGIN_HOST_H
#define KERFWORKS_TESTS_SUPPORT_PLUGIN_HOST_H

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "plugin/suite_tables.h"
#include "standin/core/host.h"
#include "standin/resources/resources.h"
#include "support/held_suites.h"
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
    for (auto table : {CoreSuiteTable(), MainSuiteTable()}) {
      for (const SuiteEntry& entry : table) {
        if (entry.name != nullptr) suites_.Acquire(entry.name, entry.version, entry.suite);
      }
    }
  }

  void TearDown() override {
    suites_.ReleaseAll();
    sSPBasic = nullptr;
    EXPECT_EQ(host_.Leftovers(), std::vector<std::string>{});
  }

  // The plug-in's compiled resources, for code that shows its strings or builds its dialogs.
  static standin::HostOptions WithPluginResources() {
    standin::HostOptions options;
    options.resourcePath = std::string(KW_BINARY_DIR) + "/plugin-module/KerfworksPlugin.res";
    return options;
  }

  // Runs plug-in code as the host calling into the plug-in.
  void Run(const std::function<void()>& body) { host_.AsHostCall(body); }

  // The texts of the alerts shown so far; an alert that is no error alert fails the test.
  std::vector<std::string> Alerts() {
    std::vector<std::string> texts;
    for (const standin::Alert& alert : host_.App().alerts) {
      EXPECT_EQ(alert.kind, standin::Alert::Kind::kError) << alert.text;
      texts.push_back(alert.text);
    }
    return texts;
  }
  // String `id` of the plug-in's resources (a host made WithPluginResources), as the user reads it.
  std::string Message(int id) {
    const auto text = host_.PluginResources().String(id, host_.UserLanguage());
    EXPECT_TRUE(text.has_value()) << "no string " << id;
    return text.value_or("");
  }

  standin::Host host_;

 private:
  static standin::HostOptions WithoutModule(standin::HostOptions options) {
    options.modulePath.clear();
    return options;
  }
  static standin::HostOptions NoModule() { return WithoutModule({}); }

  HeldSuites suites_{host_};
};

}  // namespace test_support

#endif  // KERFWORKS_TESTS_SUPPORT_PLUGIN_HOST_H
