// The host's application context around plug-in work that the host did not start itself (a
// notifier, a palette callback): pushed on construction, popped on every way out.
#ifndef KERFWORKS_WRAPPERS_APP_CONTEXT_H
#define KERFWORKS_WRAPPERS_APP_CONTEXT_H

#include "hostapi/suites.h"

namespace ai {

class AppContext {
 public:
  // Without the context suite, or when the host refuses the push, there is nothing to pop.
  explicit AppContext(SPPluginRef plugin);
  ~AppContext();
  AppContext(const AppContext&) = delete;
  AppContext& operator=(const AppContext&) = delete;

 private:
  AIAppContextHandle context_ = nullptr;
  bool pushed_ = false;
};

}  // namespace ai

#endif  // KERFWORKS_WRAPPERS_APP_CONTEXT_H
