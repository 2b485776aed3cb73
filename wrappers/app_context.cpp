#include "wrappers/app_context.h"

#include "wrappers/host_suites.h"

namespace ai {

AppContext::AppContext(SPPluginRef plugin)
    : pushed_(sAIContext != nullptr && sAIContext->PushAppContext(plugin, &context_) == kNoErr) {}

AppContext::~AppContext() {
  if (pushed_ && sAIContext != nullptr) sAIContext->PopAppContext(context_);
}

}  // namespace ai
