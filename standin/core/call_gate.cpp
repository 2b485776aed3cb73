#include "standin/core/call_gate.h"

#include <algorithm>

namespace standin {

ASErr CallGate::Enter(const char* suite, const char* function) {
  ++count_;
  log_.push_back(std::string(suite) + "::" + function);
  if (failAt_ == 0) return kNoErr;
  if (count_ == failAt_ || (failOnward_ && count_ > failAt_)) return failCode_;
  return kNoErr;
}

void CallGate::FailCall(std::uint64_t k, ASErr code, bool onward) {
  failAt_ = k == 0 ? 0 : count_ + k;
  failCode_ = code;
  failOnward_ = onward;
}

void CallGate::ClearFailure() {
  failAt_ = 0;
}

int CallGate::Calls(const std::string& suite, const std::string& function) const {
  const std::string name = suite + "::" + function;
  return static_cast<int>(std::count(log_.begin(), log_.end(), name));
}

}  // namespace standin
