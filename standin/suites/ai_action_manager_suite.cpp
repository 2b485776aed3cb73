// Every play is recorded (event, dialog status, parameters) for tests to check; one that the test
// lets succeed is then carried out (model/host_actions.h).
#include "hostapi/suites.h"
#include "standin/model/host_actions.h"
#include "standin/suites/suite_call.h"
#include "standin/suites/tables.h"

namespace standin {
namespace {

constexpr char kSuite[] = kAIActionManagerSuite;

// The live block of `value`, or null with the misuse recorded.
ActionParamBlock* LiveBlock(AIActionParamValueRef value, const SuiteCall& call) {
  Host& host = Host::Current();
  ActionParamBlock* block = host.App().actions.blocks.Find(value);
  if (block == nullptr) {
    const bool disposed = host.App().actions.blocks.State(value) == HandleState::kDisposed;
    host.RecordMisbehaviour(
        call, disposed ? "used a deleted parameter block" : "used an unknown parameter block");
  }
  return block;
}

AIErr KW_API AINewActionParamValue(AIActionParamValueRef* value) {
  if (value != nullptr) *value = nullptr;
  KW_SUITE_CALL();
  if (value == nullptr) return kBadParameterErr;
  *value = Host::Current().App().actions.blocks.Add(std::make_unique<ActionParamBlock>());
  return kNoErr;
}

AIErr KW_API AIDeleteActionParamValue(AIActionParamValueRef value) {
  KW_SUITE_CALL();
  if (LiveBlock(value, call) == nullptr) return kBadParameterErr;
  Host::Current().App().actions.blocks.Dispose(value);
  return kNoErr;
}

AIErr KW_API AIActionSetReal(AIActionParamValueRef value, ActionParamKeyID key, AIReal real) {
  KW_SUITE_CALL();
  ActionParamBlock* block = LiveBlock(value, call);
  if (block == nullptr) return kBadParameterErr;
  ActionParam param;
  param.kind = ActionParam::Kind::kReal;
  param.key = key;
  param.real = real;
  block->Set(std::move(param));
  return kNoErr;
}

AIErr KW_API AIActionSetUnitReal(AIActionParamValueRef value, ActionParamKeyID key,
                                 ActionParamUnitID unit, AIReal real) {
  KW_SUITE_CALL();
  ActionParamBlock* block = LiveBlock(value, call);
  if (block == nullptr) return kBadParameterErr;
  ActionParam param;
  param.kind = ActionParam::Kind::kUnitReal;
  param.key = key;
  param.unit = unit;
  param.real = real;
  block->Set(std::move(param));
  return kNoErr;
}

AIErr KW_API AIActionSetEnumerated(AIActionParamValueRef value, ActionParamKeyID key,
                                   const char* name, int32_t number) {
  KW_SUITE_CALL();
  ActionParamBlock* block = LiveBlock(value, call);
  if (block == nullptr) return kBadParameterErr;
  if (name == nullptr) return kBadParameterErr;
  ActionParam param;
  param.kind = ActionParam::Kind::kEnumerated;
  param.key = key;
  param.name = name;
  param.number = number;
  block->Set(std::move(param));
  return kNoErr;
}

AIErr KW_API PlayActionEvent(const char* eventName, int32_t dialogStatus,
                             AIActionParamValueRef parameters) {
  KW_SUITE_CALL();
  if (eventName == nullptr) return kBadParameterErr;
  ActionPlay play;
  play.eventName = eventName;
  play.dialogStatus = dialogStatus;
  if (parameters != nullptr) {
    const ActionParamBlock* block = LiveBlock(parameters, call);
    if (block == nullptr) return kBadParameterErr;
    play.parameters = *block;
  }
  ActionManager& actions = Host::Current().App().actions;
  actions.plays.push_back(std::move(play));
  if (actions.playResult != kNoErr) return actions.playResult;
  return CarryOutAction(actions.plays.back(), Host::Current());
}

}  // namespace

const AIActionManagerSuite* AIActionManagerSuiteTable() {
  static const AIActionManagerSuite table = {
      &AINewActionParamValue, &AIDeleteActionParamValue, &AIActionSetReal,
      &AIActionSetUnitReal,   &AIActionSetEnumerated,    &PlayActionEvent,
  };
  return &table;
}

}  // namespace standin
