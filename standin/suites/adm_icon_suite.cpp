// ADM Icon Suite: icons made from the plug-in's pictures (icon, bitmap or PNG resources).
#include "hostapi/suites.h"
#include "standin/model/dialog_system.h"
#include "standin/suites/suite_call.h"
#include "standin/suites/tables.h"

namespace standin {
namespace {

constexpr char kSuite[] = kADMIconSuite;

DialogSystem& System() {
  return Host::Current().Dialogs();
}

ADMIconRef KW_API GetFromResource(SPPluginRef plugin, const char* name, int32_t iconId,
                                  int32_t index) {
  KW_SUITE_CALL_OR(nullptr);
  Host& host = Host::Current();
  if (plugin != host.PluginRef()) {
    host.RecordMisbehaviour(call, "passed an unknown plug-in reference");
    return nullptr;
  }
  return System().NewIcon(iconId, name, index);
}

void KW_API Destroy(ADMIconRef icon) {
  KW_SUITE_CALL_OR();
  System().DestroyIcon(icon, call);
}

int32_t KW_API GetWidth(ADMIconRef icon) {
  KW_SUITE_CALL_OR(0);
  const IconRecord* record = System().Icon(icon, call);
  return record == nullptr ? 0 : record->width;
}

int32_t KW_API GetHeight(ADMIconRef icon) {
  KW_SUITE_CALL_OR(0);
  const IconRecord* record = System().Icon(icon, call);
  return record == nullptr ? 0 : record->height;
}

}  // namespace

const ADMIconSuite* ADMIconSuiteTable() {
  static const ADMIconSuite table = {&GetFromResource, &Destroy, &GetWidth, &GetHeight};
  return &table;
}

}  // namespace standin
