#include "hostapi/suites.h"
#include "standin/core/stub.h"
#include "standin/suites/suite_call.h"
#include "standin/suites/tables.h"

namespace standin {
namespace {

constexpr char kSuite[] = kSPPluginsSuite;

ASErr KW_API SetPluginName(SPPluginRef plugin, const char* name) {
  KW_SUITE_CALL();
  Host& host = Host::Current();
  if (plugin != host.PluginRef() || name == nullptr) return kBadParameterErr;
  host.App().pluginName = name;
  return kNoErr;
}

ASErr KW_API GetPluginName(SPPluginRef plugin, const char** name) {
  KW_SUITE_CALL();
  Host& host = Host::Current();
  if (plugin != host.PluginRef() || name == nullptr) return kBadParameterErr;
  *name = host.App().pluginName.c_str();
  return kNoErr;
}

}  // namespace

const SPPluginsSuite* SPPluginsSuiteTable() {
  static const SPPluginsSuite table = {
      {&ReservedSlot, &ReservedSlot, &ReservedSlot, &ReservedSlot, &ReservedSlot, &ReservedSlot,
       &ReservedSlot, &ReservedSlot, &ReservedSlot, &ReservedSlot, &ReservedSlot, &ReservedSlot,
       &ReservedSlot, &ReservedSlot, &ReservedSlot, &ReservedSlot, &ReservedSlot, &ReservedSlot,
       &ReservedSlot, &ReservedSlot, &ReservedSlot, &ReservedSlot, &ReservedSlot},
      &SetPluginName,
      &GetPluginName,
  };
  return &table;
}

}  // namespace standin
