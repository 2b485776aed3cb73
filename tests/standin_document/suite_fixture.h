// A stand-in host without a plug-in module whose document suites a test acquires through the
// basic suite and calls as the plug-in would, from inside a host call.
#ifndef KERFWORKS_TESTS_STANDIN_DOCUMENT_SUITE_FIXTURE_H
#define KERFWORKS_TESTS_STANDIN_DOCUMENT_SUITE_FIXTURE_H

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "hostapi/suites.h"
#include "standin/core/host.h"
#include "standin/scenario/document_builder.h"
#include "standin/scenario/document_view.h"

namespace kwtest {

class DocumentSuitesTest : public ::testing::Test {
 protected:
  DocumentSuitesTest() : host(WithoutModule()) {
    InHost([&] {
      document = Acquire<AIDocumentSuite>(kAIDocumentSuite, kAIDocumentSuiteVersion);
      layers = Acquire<AILayerSuite>(kAILayerSuite, kAILayerSuiteVersion);
      art = Acquire<AIArtSuite>(kAIArtSuite, kAIArtSuiteVersion);
      paths = Acquire<AIPathSuite>(kAIPathSuite, kAIPathSuiteVersion);
      styles = Acquire<AIPathStyleSuite>(kAIPathStyleSuite, kAIPathStyleSuiteVersion);
      construction = Acquire<AIPathConstructionSuite>(kAIPathConstructionSuite,
                                                      kAIPathConstructionSuiteVersion);
      matching = Acquire<AIMatchingArtSuite>(kAIMatchingArtSuite, kAIMatchingArtSuiteVersion);
      tags = Acquire<AITagSuite>(kAITagSuite, kAITagSuiteVersion);
      preferences = Acquire<AIPreferenceSuite>(kAIPreferenceSuite, kAIPreferenceSuiteVersion);
    });
  }

  static standin::HostOptions WithoutModule() {
    standin::HostOptions options;
    options.modulePath.clear();
    return options;
  }

  void InHost(const std::function<void()>& body) { host.AsHostCall(body); }

  // Gives the suites back, then what the host says was left behind.
  std::vector<std::string> Leftovers() {
    InHost([&] {
      for (const auto& [name, version] : held_) host.BasicSuite()->ReleaseSuite(name, version);
    });
    held_.clear();
    return host.Leftovers();
  }

  // The misbehaviour recorded so far, one line each.
  std::vector<std::string> Misbehaviour() const { return host.Misbehaviour(); }

  standin::DocumentView View() { return standin::DocumentView(host.Documents()); }

  standin::Host host;
  const AIDocumentSuite* document = nullptr;
  const AILayerSuite* layers = nullptr;
  const AIArtSuite* art = nullptr;
  const AIPathSuite* paths = nullptr;
  const AIPathStyleSuite* styles = nullptr;
  const AIPathConstructionSuite* construction = nullptr;
  const AIMatchingArtSuite* matching = nullptr;
  const AITagSuite* tags = nullptr;
  const AIPreferenceSuite* preferences = nullptr;

 private:
  template <typename Suite>
  const Suite* Acquire(const char* name, int32_t version) {
    const void* table = nullptr;
    EXPECT_EQ(kNoErr, host.BasicSuite()->AcquireSuite(name, version, &table)) << name;
    held_.emplace_back(name, version);
    return static_cast<const Suite*>(table);
  }

  std::vector<std::pair<const char*, int32_t>> held_;
};

}  // namespace kwtest

#endif  // KERFWORKS_TESTS_STANDIN_DOCUMENT_SUITE_FIXTURE_H
