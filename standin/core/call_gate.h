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

class CallGate {
 public:
  // Counts the call and returns 0, or the injected code when this call is to fail.
  ASErr Enter(const char* suite, const char* function);

  // Makes call number k (1-based, counted from now on) fail with `code`; with `onward`, every
  // call from k on fails.
  void FailCall(std::uint64_t k, ASErr code = kInjectedFailureErr, bool onward = false);
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
  std::vector<std::string> log_;
};

}  // namespace standin

#endif  // KERFWORKS_STANDIN_CORE_CALL_GATE_H
