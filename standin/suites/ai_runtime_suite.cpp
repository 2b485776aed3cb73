#include "hostapi/suites.h"
#include "standin/suites/suite_call.h"
#include "standin/suites/tables.h"

namespace standin {
namespace {

constexpr char kSuite[] = kAIRuntimeSuite;

AIErr KW_API GetAppName(const char** name) {
  KW_SUITE_CALL();
  if (name == nullptr) return kBadParameterErr;
  *name = "Kerfworks stand-in host";
  return kNoErr;
}

AIErr KW_API GetAppMajorVersion(int32_t* major) {
  KW_SUITE_CALL();
  if (major == nullptr) return kBadParameterErr;
  *major = Host::Current().App().appMajorVersion;
  return kNoErr;
}

}  // namespace

const AIRuntimeSuite* AIRuntimeSuiteTable() {
  static const AIRuntimeSuite table = {&GetAppName, &GetAppMajorVersion};
  return &table;
}

}  // namespace standin
