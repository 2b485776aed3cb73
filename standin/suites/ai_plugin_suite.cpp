#include "hostapi/suites.h"
#include "standin/suites/suite_call.h"
#include "standin/suites/tables.h"

namespace standin {
namespace {

constexpr char kSuite[] = kAIPluginSuite;

AIErr KW_API GetPluginOptions(SPPluginRef plugin, int32_t* options) {
  KW_SUITE_CALL();
  Host& host = Host::Current();
  if (plugin != host.PluginRef() || options == nullptr) return kBadParameterErr;
  *options = host.App().pluginOptions;
  return kNoErr;
}

AIErr KW_API SetPluginOptions(SPPluginRef plugin, int32_t options) {
  KW_SUITE_CALL();
  Host& host = Host::Current();
  if (plugin != host.PluginRef()) return kBadParameterErr;
  host.App().pluginOptions = options;
  ++host.App().setPluginOptionsCalls;
  return kNoErr;
}

}  // namespace

const AIPluginSuite* AIPluginSuiteTable() {
  static const AIPluginSuite table = {&GetPluginOptions, &SetPluginOptions};
  return &table;
}

}  // namespace standin
