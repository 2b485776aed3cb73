// Every host call of each session failed in turn (once, and from there on), and every system call
// of the cut, help and start-up sessions.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <iostream>

#include "sweep/sweep_session.h"

namespace sweep {
namespace {

std::uint64_t gTotalRuns = 0;

class SweepTotal : public ::testing::Environment {
 public:
  void TearDown() override { std::cout << "sweep: " << gTotalRuns << " runs in all\n"; }
};
[[maybe_unused]] const auto* const kTotal = ::testing::AddGlobalTestEnvironment(new SweepTotal);

// A clean run, checked to have done what the session is for.
RunResult CleanRun(Sweeper& sweeper, const Session& session) {
  const RunResult clean = sweeper.Run(session, std::nullopt);
  EXPECT_EQ(clean.faults, std::vector<std::string>{});
  if (session.name.rfind("cut-", 0) == 0) {
    EXPECT_FALSE(clean.cutFileStarted.empty()) << session.name;
  }
  if (session.name == "help") {
    EXPECT_TRUE(clean.shellOpened);
  }
  return clean;
}

// Reports a faulty run; stops reporting after a few, which are enough to go on.
void Check(const RunResult& run, const std::string& what, int& reported) {
  ++gTotalRuns;
  if (run.faults.empty() || ++reported > 5) return;
  ADD_FAILURE() << what << ":\n  " << ::testing::PrintToString(run.faults);
}

// Every k, or with KW_SWEEP_STRIDE=S (the sanitizer build, where a run costs ten times more)
// every S-th k from the first, and the last.
std::uint64_t Stride() {
  const char* stride = std::getenv("KW_SWEEP_STRIDE");
  const long value = stride == nullptr ? 1 : std::atol(stride);
  return value > 1 ? static_cast<std::uint64_t>(value) : 1;
}

class HostCallSweep : public ::testing::TestWithParam<std::string> {};

TEST_P(HostCallSweep, EveryCallFailedOnceAndFromThereOn) {
  const Session& session = SessionNamed(GetParam());
  Sweeper sweeper;
  const std::uint64_t calls = CleanRun(sweeper, session).hostCalls;
  ASSERT_GT(calls, 0u);
  int reported = 0;
  std::uint64_t runs = 0;
  const std::uint64_t stride = Stride();
  for (std::uint64_t k = 1; k <= calls; k = k == calls ? k + 1 : std::min(k + stride, calls)) {
    for (bool onward : {false, true}) {
      Check(sweeper.Run(session, HostCallFailure{k, onward}),
            "call " + std::to_string(k) + (onward ? " onward" : " once"), reported);
      ++runs;
    }
  }
  std::cout << "session " << session.name << ": " << calls << " host calls, " << runs << " runs\n";
}

std::vector<std::string> SessionNames() {
  std::vector<std::string> names;
  for (const Session& session : Sessions()) names.push_back(session.name);
  return names;
}

std::string TestName(const ::testing::TestParamInfo<std::string>& info) {
  std::string name = info.param;
  for (char& c : name) {
    if (c == '-') c = '_';
  }
  return name;
}

INSTANTIATE_TEST_SUITE_P(Sessions, HostCallSweep, ::testing::ValuesIn(SessionNames()), TestName);

class SystemCallSweep : public ::testing::TestWithParam<std::string> {};

TEST_P(SystemCallSweep, EveryOperationFailed) {
  static const char* const kOperations[] = {"regopen",  "regquery", "regclose", "temppath",
                                            "tempfile", "create",   "write",    "close",
                                            "start",    "shell",    "module",   "shortpath"};
  const Session& session = SessionNamed(GetParam());
  Sweeper sweeper;
  CleanRun(sweeper, session);
  int reported = 0;
  for (const char* operation : kOperations) {
    Check(sweeper.Run(session, std::nullopt, operation), std::string(operation) + " failed",
          reported);
  }
  std::cout << "session " << session.name << ": " << std::size(kOperations)
            << " system operations failed in turn\n";
}

INSTANTIATE_TEST_SUITE_P(Sessions, SystemCallSweep,
                         ::testing::Values("cut-all", "cut-selected-crop-marks", "help",
                                           "start-up"),
                         TestName);

}  // namespace
}  // namespace sweep
