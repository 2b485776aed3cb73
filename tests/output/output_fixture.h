// Shared set-up of the writer's and launcher's tests: a stand-in host for memory blocks, a scratch
// folder with environment overrides that are undone after each test, and small host doubles for
// the path, document and basic suites whose failures the tests steer one by one.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "hostapi/suites.h"
#include "standin/core/host.h"
#include "standin/scenario/shapes.h"
#include "support/scratch_folder.h"
#include "wrappers/host_suites.h"

namespace output_test {

using test_support::ReadFile;

inline void WriteFile(const std::filesystem::path& path, const std::string& bytes) {
  std::filesystem::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << bytes;
}

// A path as the host describes it, with switches for each query's failure.
struct FakePath {
  std::vector<AIPathSegment> segments;
  bool closed = false;
  bool failCount = false;
  bool failSegments = false;
  bool failClosed = false;
};

using standin::CornerPoint;

// The paths and document the suite doubles answer from.
struct FakeHost {
  std::vector<FakePath> paths;
  AIRealPoint rulerOrigin{0, 0};
  float pageHeight = 792;
  std::vector<std::string> blocksDuringSegments;  // what the stand-in held at GetPathSegments
  std::vector<std::string> alerts;
  std::vector<std::string> stringRequests;
  // How GetIndexedString answers: "not found", or every byte of the buffer this letter, or failure
  // after writing a partial text.
  std::optional<char> fillStringsWith;
  bool failStrings = false;

  AIArtHandle Add(FakePath path) {
    paths.push_back(std::move(path));
    return reinterpret_cast<AIArtHandle>(paths.size());
  }
  FakePath* Find(AIArtHandle art) {
    const auto index = reinterpret_cast<std::uintptr_t>(art);
    return index >= 1 && index <= paths.size() ? &paths[index - 1] : nullptr;
  }
  static FakeHost*& Current() {
    static FakeHost* current = nullptr;
    return current;
  }
};

inline AIErr KW_API GetSegmentCount(AIArtHandle art, std::int16_t* count) {
  FakePath* path = FakeHost::Current()->Find(art);
  if (path == nullptr || path->failCount) return kBadParameterErr;
  *count = static_cast<std::int16_t>(path->segments.size());
  return kNoErr;
}

inline AIErr KW_API GetSegments(AIArtHandle art, std::int16_t start, std::int16_t count,
                                AIPathSegment* segments) {
  FakeHost& fake = *FakeHost::Current();
  FakePath* path = fake.Find(art);
  fake.blocksDuringSegments = standin::Host::Current().Blocks().Describe();
  if (path == nullptr || path->failSegments || start < 0 ||
      start + count > static_cast<int>(path->segments.size())) {
    return kBadParameterErr;
  }
  std::copy_n(path->segments.begin() + start, count, segments);
  return kNoErr;
}

inline AIErr KW_API GetClosed(AIArtHandle art, AIBoolean* closed) {
  FakePath* path = FakeHost::Current()->Find(art);
  if (path == nullptr || path->failClosed) return kBadParameterErr;
  *closed = path->closed ? 1 : 0;
  return kNoErr;
}

inline AIErr KW_API GetRulerOrigin(AIRealPoint* origin) {
  *origin = FakeHost::Current()->rulerOrigin;
  return kNoErr;
}

inline AIErr KW_API GetSetup(AIDocumentSetup* setup) {
  *setup = {};
  setup->width = 612;
  setup->height = FakeHost::Current()->pageHeight;
  return kNoErr;
}

inline ASErr KW_API GetIndexedString(SPPluginRef, std::int32_t listId, std::int32_t index,
                                     char* buffer, std::int32_t capacity) {
  FakeHost::Current()->stringRequests.push_back(
      std::to_string(listId) + "/" + std::to_string(index) + "/" + std::to_string(capacity));
  FakeHost& fake = *FakeHost::Current();
  if (fake.failStrings) {
    std::snprintf(buffer, static_cast<std::size_t>(capacity), "%s", "partial");
    return kBadParameterErr;
  }
  if (fake.fillStringsWith) {
    std::fill_n(buffer, capacity, *fake.fillStringsWith);
    return kNoErr;
  }
  std::snprintf(buffer, static_cast<std::size_t>(capacity), "%s", "not found");
  return kNoErr;
}

inline void KW_API ErrorAlert(const char* text) {
  FakeHost::Current()->alerts.push_back(text);
}

// A stand-in host without a module, its SP Blocks Suite in the plug-in's variable, the doubles in
// the others, and a scratch folder for files.
class OutputTest : public ::testing::Test {
 protected:
  void SetUp() override {
    FakeHost::Current() = &fake_;
    const void* blocks = nullptr;
    Run([&] {
      ASSERT_EQ(host_.BasicSuite()->AcquireSuite(kSPBlocksSuite, kSPBlocksSuiteVersion, &blocks),
                kNoErr);
    });
    sSPBlocks = static_cast<const SPBlocksSuite*>(blocks);
    pathSuite_.GetPathSegmentCount = &GetSegmentCount;
    pathSuite_.GetPathSegments = &GetSegments;
    pathSuite_.GetPathClosed = &GetClosed;
    sAIPath = &pathSuite_;
    documentSuite_.GetDocumentRulerOrigin = &GetRulerOrigin;
    documentSuite_.GetDocumentSetup = &GetSetup;
    sAIDocument = &documentSuite_;
    basicSuite_.GetIndexedString = &GetIndexedString;
    basicSuite_.ErrorAlert = &ErrorAlert;
    sADMBasic = &basicSuite_;

    folder_.emplace("kw-output", "temp");
    SetEnv("KW_PLATFORM_FAIL", std::nullopt);
  }

  void TearDown() override {
    Run([&] { host_.BasicSuite()->ReleaseSuite(kSPBlocksSuite, kSPBlocksSuiteVersion); });
    sSPBlocks = nullptr;
    sAIPath = nullptr;
    sAIDocument = nullptr;
    sADMBasic = nullptr;
    FakeHost::Current() = nullptr;
    EXPECT_TRUE(host_.Leftovers().empty()) << ::testing::PrintToString(host_.Leftovers());
    folder_.reset();
  }

  // Sets (or, given nothing, removes) a variable for the rest of the test.
  void SetEnv(const std::string& name, const std::optional<std::string>& value) {
    folder_->Set(name, value);
  }

  // Plug-in code runs inside a host call, as it would from a palette notification.
  void Run(const std::function<void()>& body) { host_.AsHostCall(body); }

  standin::Host host_{standin::HostOptions{.modulePath = "", .resourcePath = ""}};
  FakeHost fake_;
  AIPathSuite pathSuite_{};
  AIDocumentSuite documentSuite_{};
  ADMBasicSuite basicSuite_{};
  // The test's folder: TMPDIR is its "temp", and the registry roots are inside.
  test_support::ScratchFolder& Folder() { return *folder_; }
  const std::filesystem::path& Scratch() const { return folder_->Path(); }

 private:
  std::optional<test_support::ScratchFolder> folder_;
};

}  // namespace output_test
