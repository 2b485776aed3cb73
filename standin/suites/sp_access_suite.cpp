#include "hostapi/suites.h"
#include "standin/suites/suite_call.h"
#include "standin/suites/tables.h"

struct KwSPAccess {
  int unused;
};

namespace standin {
namespace {

constexpr char kSuite[] = kSPAccessSuite;
KwSPAccess gAccess{0};

bool IsOurPlugin(SPPluginRef plugin) {
  return plugin == Host::Current().PluginRef();
}

ASErr KW_API AcquirePluginAccess(SPPluginRef plugin, SPAccessRef* access) {
  if (access != nullptr) *access = nullptr;
  KW_SUITE_CALL();
  if (!IsOurPlugin(plugin) || access == nullptr) return kBadParameterErr;
  ++Host::Current().App().accessHolds;
  *access = &gAccess;
  return kNoErr;
}

ASErr KW_API ReleasePluginAccess(SPAccessRef access) {
  KW_SUITE_CALL();
  Host& host = Host::Current();
  if (access != &gAccess || host.App().accessHolds == 0) {
    host.RecordMisbehaviour(std::string(kSuite) + "::ReleasePluginAccess",
                            "released an access it did not hold");
    return kBadParameterErr;
  }
  --host.App().accessHolds;
  return kNoErr;
}

ASErr KW_API GetAccessInstanceHandle(SPAccessRef access, void** instance) {
  if (instance != nullptr) *instance = nullptr;
  KW_SUITE_CALL();
  if (access != &gAccess || instance == nullptr) return kBadParameterErr;
  // Without a module the plug-in's code is linked into the host's own program, whose handle is
  // the null one (as Windows names the process's own module).
  Host& host = Host::Current();
  *instance = host.HasModule() ? host.Module().Handle() : nullptr;
  return kNoErr;
}

ASErr KW_API GetPluginAccess(SPPluginRef plugin, SPAccessRef* access) {
  if (access != nullptr) *access = nullptr;
  KW_SUITE_CALL();
  if (!IsOurPlugin(plugin) || access == nullptr) return kBadParameterErr;
  *access = &gAccess;
  return kNoErr;
}

}  // namespace

const SPAccessSuite* SPAccessSuiteTable() {
  static const SPAccessSuite table = {&AcquirePluginAccess, &ReleasePluginAccess,
                                      &GetAccessInstanceHandle, &GetPluginAccess};
  return &table;
}

}  // namespace standin
