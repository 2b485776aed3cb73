// Suites a test holds as the plug-in does: acquired through the stand-in host's basic suite from
// inside a host call, into a variable of the plug-in's or the test's own, and given back together.
#ifndef KERFWORKS_TESTS_SUPPORT_HELD_SUITES_H
#define KERFWORKS_TESTS_SUPPORT_HELD_SUITES_H

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "standin/core/host.h"

namespace test_support {

class HeldSuites {
 public:
  explicit HeldSuites(standin::Host& host) : host_(host) {}
  HeldSuites(const HeldSuites&) = delete;
  HeldSuites& operator=(const HeldSuites&) = delete;
  ~HeldSuites() { ReleaseAll(); }

  // Fails the test when the host refuses.
  void Acquire(const char* name, std::int32_t version, const void** variable) {
    host_.AsHostCall([&] {
      ASSERT_EQ(host_.BasicSuite()->AcquireSuite(name, version, variable), kNoErr) << name;
      held_.push_back({name, version, variable});
    });
  }
  template <typename Suite>
  void Acquire(const char* name, std::int32_t version, const Suite*& variable) {
    Acquire(name, version, reinterpret_cast<const void**>(&variable));
  }

  // Gives back every suite still held and clears its variable; a failure the test injected
  // is over by then.
  void ReleaseAll() {
    if (held_.empty()) return;
    host_.Gate().ClearFailure();
    host_.AsHostCall([&] {
      for (const Held& suite : held_) {
        if (*suite.variable == nullptr) continue;
        EXPECT_EQ(host_.BasicSuite()->ReleaseSuite(suite.name, suite.version), kNoErr)
            << suite.name;
        *suite.variable = nullptr;
      }
    });
    held_.clear();
  }

 private:
  struct Held {
    const char* name;
    std::int32_t version;
    const void** variable;
  };
  standin::Host& host_;
  std::vector<Held> held_;
};

}  // namespace test_support

#endif  // KERFWORKS_TESTS_SUPPORT_HELD_SUITES_H
