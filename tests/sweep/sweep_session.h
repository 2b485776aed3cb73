// Whole host sessions through the real module, run again and again with one failure injected: a
// host call (the k-th, or every one from the k-th on) or a system call through the platform seam.
// Each run must end with nothing left behind and never start the cutting application on a cut
// file other than the whole one.
#ifndef KERFWORKS_TESTS_SWEEP_SWEEP_SESSION_H
#define KERFWORKS_TESTS_SWEEP_SWEEP_SESSION_H

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "standin/core/host.h"
#include "support/scratch_folder.h"

namespace sweep {

// What a session does between start-up (with application started) and shut-down.
struct Session {
  std::string name;
  std::function<void(standin::Host&)> steps;
};

const std::vector<Session>& Sessions();
// The session of that name; throws when there is none.
const Session& SessionNamed(const std::string& name);

struct HostCallFailure {
  std::uint64_t k;
  bool onward;
};

// What one run saw; `faults` is empty for a sound run.
struct RunResult {
  std::uint64_t hostCalls = 0;
  std::vector<std::string> faults;
  std::string cutFileStarted;  // the cut file the cutting application was started on, if any
  bool shellOpened = false;
};

class Sweeper {
 public:
  // Registers a cutting application that exits at once, until the sweeper goes.
  Sweeper();
  ~Sweeper();
  Sweeper(const Sweeper&) = delete;
  Sweeper& operator=(const Sweeper&) = delete;
  // A run with the host call failure (if any), and with the system operation `failing` (a name
  // the platform seam knows) failing.
  RunResult Run(const Session& session, std::optional<HostCallFailure> hostFailure,
                const std::string& failing = "");

 private:
  void Clear();
  test_support::ScratchFolder folder_;
};

}  // namespace sweep

#endif  // KERFWORKS_TESTS_SWEEP_SWEEP_SESSION_H
