// The one counting point every suite call passes: it numbers the calls, can make the k-th call
// fail (once, or from k on) so that tests can sweep k over a scenario, and keeps a log.
#ifndef KERFWORKS_STANDIN_CORE_CALL_GATE_H
#define KERFWORKS_STANDIN_CORE_CALL_GATE_H

#include <cstdint>
#include <string>
#include <vector>

#include "hostapi/host_types.h"

namespace standin {

inline constexpr ASErr kInjectedFailureErr = KW_FOUR_CHAR('F', 'A', 'I', 'L');

// One suite function, as the records name it: "Suite::Function".
struct SuiteCall {
  const char* suite;
  const char* function;
  std::string Name() const { return std::string(suite) + "::" + function; }
};

class CallGate {
 public:
  // Counts the call and returns 0, or the injected code when this call is to fail.
  ASErr Enter(const SuiteCall& call);

  // Makes call number k (1-based, counted from now on) fail with `code`; with `onward`, every
  // call from k on fails.
  void FailCall(std::uint64_t k, ASErr code = kInjectedFailureErr, bool onward = false);
  // Whether injected failures are those the host really answers: a failed block allocation
  // answers kOutOfMemoryErr instead of the injected code, and what gives something back (a
  // release, free, disposal, destruction, context pop) does not fail. (Functions that hand back a
  // handle answer null whenever they fail.)
  void AnswerAsHost(bool asHost) { answerAsHost_ = asHost; }
  void ClearFailure();

  std::uint64_t Count() const { return count_; }
  // "Suite::Function" of every call, in order.
  const std::vector<std::string>& Log() const { return log_; }
  void ClearLog() { log_.clear(); }
  // How many logged calls were to `suite` and `function`.
  int Calls(const std::string& suite, const std::string& function) const;

 private:
  std::uint64_t count_ = 0;
  std::uint64_t failAt_ = 0;  // absolute call number; 0: none
  bool failOnward_ = false;
  ASErr failCode_ = kInjectedFailureErr;
  bool answerAsHost_ = false;
  std::vector<std::string> log_;
};

}  // namespace standin

#endif  // KERFWORKS_STANDIN_CORE_CALL_GATE_H
