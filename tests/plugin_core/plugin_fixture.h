// A started plug-in object of a test's own class, driven without a module.
#ifndef KERFWORKS_TESTS_PLUGIN_CORE_PLUGIN_FIXTURE_H
#define KERFWORKS_TESTS_PLUGIN_CORE_PLUGIN_FIXTURE_H

#include <gtest/gtest.h>

#include "direct_host.h"
#include "recording_plugin.h"

namespace kwtest {

class PluginFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    host_.Host().SetClock(1000);
    message_ = host_.Message();
    ASErr started = kNoErr;
    host_.Host().AsHostCall([&] {
      plugin_ = new RecordingPlugin(message_.pluginRef);
      if (plugin_ != nullptr) started = plugin_->OnStartup(&message_);
    });
    ASSERT_NE(plugin_, nullptr);
    ASSERT_EQ(started, kNoErr);
    plugin_->reached.clear();
  }

  void TearDown() override {
    host_.Host().AsHostCall([&] {
      plugin_->OnShutdown(&message_);
      delete plugin_;
    });
    EXPECT_EQ(host_.Host().Leftovers(), std::vector<std::string>{});
  }

  ASErr Dispatch(const char* caller, const char* selector, void* message = nullptr) {
    ASErr result = kNoErr;
    host_.Host().AsHostCall(
        [&] { result = plugin_->HandleMessage(caller, selector, message ? message : &message_); });
    return result;
  }

  std::vector<std::string> AlertTexts() const {
    std::vector<std::string> texts;
    for (const auto& alert : const_cast<DirectHost&>(host_).Host().App().alerts) {
      texts.push_back(alert.text);
    }
    return texts;
  }

  DirectHost host_;
  SPMessageData message_{};
  RecordingPlugin* plugin_ = nullptr;
};

}  // namespace kwtest

#endif  // KERFWORKS_TESTS_PLUGIN_CORE_PLUGIN_FIXTURE_H
