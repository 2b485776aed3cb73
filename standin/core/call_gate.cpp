#include "standin/core/call_gate.h"

#include <algorithm>
#include <cstring>
#include <string_view>

namespace standin {
namespace {

bool AllocatesBlock(const SuiteCall& call) {
  return std::strcmp(call.function, "AllocateBlock") == 0 ||
         std::strcmp(call.function, "ReallocateBlock") == 0;
}

// What gives back something the plug-in held, or hands it to the host for good without a result
// to tell of a failure (a dialog's icon): the host never refuses it.
bool GivesBack(const SuiteCall& call) {
  std::string_view function = call.function;
  if (function == "SetIcon") return true;
  // Some suites prefix their functions' names: AIDeleteActionParamValue.
  if (function.starts_with("AI")) function.remove_prefix(2);
  for (std::string_view prefix : {"Release", "Free", "Dispose", "Destroy", "Delete", "PopApp"}) {
    if (function.starts_with(prefix)) return true;
  }
  return false;
}

}  // namespace

ASErr CallGate::Enter(const SuiteCall& call) {
  ++count_;
  log_.push_back(call.Name());
  if (failAt_ == 0) return kNoErr;
  if (count_ != failAt_ && !(failOnward_ && count_ > failAt_)) return kNoErr;
  if (answerAsHost_ && GivesBack(call)) return kNoErr;
  return answerAsHost_ && AllocatesBlock(call) ? kOutOfMemoryErr : failCode_;
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
