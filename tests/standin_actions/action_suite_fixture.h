// A stand-in host without a module whose action manager suite a test holds as the plug-in does.
#ifndef KERFWORKS_TESTS_STANDIN_ACTIONS_ACTION_SUITE_FIXTURE_H
#define KERFWORKS_TESTS_STANDIN_ACTIONS_ACTION_SUITE_FIXTURE_H

#include <gtest/gtest.h>

#include "hostapi/suites.h"
#include "standin/core/host.h"
#include "support/held_suites.h"

namespace kwtest {

class ActionSuiteTest : public ::testing::Test {
 protected:
  void SetUp() override {
    suites_.Acquire(kAIActionManagerSuite, kAIActionManagerSuiteVersion, suite_);
  }
  // Gives the suite back, so that the host's leftovers can be looked at.
  void Release() { suites_.ReleaseAll(); }

  standin::Host host_{standin::HostOptions{.modulePath = "", .resourcePath = ""}};
  const AIActionManagerSuite* suite_ = nullptr;

 private:
  test_support::HeldSuites suites_{host_};
};

}  // namespace kwtest

#endif  // KERFWORKS_TESTS_STANDIN_ACTIONS_ACTION_SUITE_FIXTURE_H
