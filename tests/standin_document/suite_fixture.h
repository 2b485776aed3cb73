// A stand-in host without a plug-in module whose document suites a test acquires through the
// basic suite and calls as the plug-in would, from inside a host call.
#ifndef KERFWORKS_TESTS_STANDIN_DOCUMENT_SUITE_FIXTURE_H
#define KERFWORKS_TESTS_STANDIN_DOCUMENT_SUITE_FIXTURE_H

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "hostapi/suites.h"
#include "standin/core/host.h"
#include "standin/scenario/document_builder.h"
#include "standin/scenario/document_view.h"
#include "support/held_suites.h"

namespace kwtest {

class DocumentSuitesTest : public ::testing::Test {
 protected:
  DocumentSuitesTest() : host(WithoutModule()) {
    suites_.Acquire(kAIDocumentSuite, kAIDocumentSuiteVersion, document);
    suites_.Acquire(kAILayerSuite, kAILayerSuiteVersion, layers);
    suites_.Acquire(kAIArtSuite, kAIArtSuiteVersion, art);
    suites_.Acquire(kAIPathSuite, kAIPathSuiteVersion, paths);
    suites_.Acquire(kAIPathStyleSuite, kAIPathStyleSuiteVersion, styles);
    suites_.Acquire(kAIPathConstructionSuite, kAIPathConstructionSuiteVersion, construction);
    suites_.Acquire(kAIMatchingArtSuite, kAIMatchingArtSuiteVersion, matching);
    suites_.Acquire(kAITagSuite, kAITagSuiteVersion, tags);
    suites_.Acquire(kAIPreferenceSuite, kAIPreferenceSuiteVersion, preferences);
  }

  static standin::HostOptions WithoutModule() {
    standin::HostOptions options;
    options.modulePath.clear();
    return options;
  }

  void InHost(const std::function<void()>& body) { host.AsHostCall(body); }

  // Gives the suites back, then what the host says was left behind.
  std::vector<std::string> Leftovers() {
    suites_.ReleaseAll();
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
  test_support::HeldSuites suites_{host};
};

}  // namespace kwtest

#endif  // KERFWORKS_TESTS_STANDIN_DOCUMENT_SUITE_FIXTURE_H
