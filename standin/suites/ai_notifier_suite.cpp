#include "hostapi/suites.h"
#include "standin/suites/suite_call.h"
#include "standin/suites/tables.h"

namespace standin {
namespace {

constexpr char kSuite[] = kAINotifierSuite;

AIErr KW_API AddNotifier(SPPluginRef plugin, const char* name, const char* type,
                         AINotifierHandle* notifier) {
  if (notifier != nullptr) *notifier = nullptr;
  KW_SUITE_CALL();
  Host& host = Host::Current();
  if (plugin != host.PluginRef() || name == nullptr || type == nullptr) return kBadParameterErr;
  AINotifierHandle handle =
      host.App().notifiers.Add(std::make_unique<NotifierRecord>(NotifierRecord{name, type, true}));
  host.App().notifierOrder.push_back(handle);
  if (notifier != nullptr) *notifier = handle;
  return kNoErr;
}

AIErr KW_API SetNotifierActive(AINotifierHandle notifier, AIBoolean active) {
  KW_SUITE_CALL();
  NotifierRecord* record = Host::Current().App().notifiers.Find(notifier);
  if (record == nullptr) return kBadParameterErr;
  record->active = active != 0;
  return kNoErr;
}

}  // namespace

const AINotifierSuite* AINotifierSuiteTable() {
  static const AINotifierSuite table = {&AddNotifier, &SetNotifierActive};
  return &table;
}

}  // namespace standin
