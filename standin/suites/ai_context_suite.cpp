#include "hostapi/suites.h"
#include "standin/suites/suite_call.h"
#include "standin/suites/tables.h"

namespace standin {
namespace {

constexpr char kSuite[] = kAIContextSuite;

// Contexts are numbered by depth so that a pop out of order is recognised.
AIAppContextHandle ContextAt(int depth) {
  return reinterpret_cast<AIAppContextHandle>(static_cast<std::uintptr_t>(depth) << 4);
}

AIErr KW_API IsInAppContext(AIBoolean* inContext) {
  KW_SUITE_CALL();
  if (inContext == nullptr) return kBadParameterErr;
  *inContext = Host::Current().App().openContexts > 0;
  return kNoErr;
}

AIErr KW_API PushAppContext(SPPluginRef plugin, AIAppContextHandle* context) {
  if (context != nullptr) *context = nullptr;
  KW_SUITE_CALL();
  Host& host = Host::Current();
  if (plugin != host.PluginRef() || context == nullptr) return kBadParameterErr;
  AppState& app = host.App();
  ++app.contextPushes;
  *context = ContextAt(++app.openContexts);
  return kNoErr;
}

AIErr KW_API PopAppContext(AIAppContextHandle context) {
  KW_SUITE_CALL();
  Host& host = Host::Current();
  AppState& app = host.App();
  if (app.openContexts == 0 || context != ContextAt(app.openContexts)) {
    host.RecordMisbehaviour(std::string(kSuite) + "::PopAppContext",
                            "popped a context that is not the innermost open one");
    return kBadParameterErr;
  }
  --app.openContexts;
  return kNoErr;
}

}  // namespace

const AIContextSuite* AIContextSuiteTable() {
  static const AIContextSuite table = {&IsInAppContext, &PushAppContext, &PopAppContext};
  return &table;
}

}  // namespace standin
