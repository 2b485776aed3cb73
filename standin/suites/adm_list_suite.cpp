// ADM List Suite over the dialog system: the entries of popup, list and flyout menu items.
#include "hostapi/suites.h"
#include "standin/model/dialog_system.h"
#include "standin/suites/suite_call.h"
#include "standin/suites/tables.h"

namespace standin {
namespace {

constexpr char kSuite[] = kADMListSuite;

DialogSystem& System() {
  return Host::Current().Dialogs();
}

void KW_API SetMenuID(ADMListRef list, int32_t menuId) {
  KW_SUITE_CALL_OR();
  System().FillList(list, menuId, call);
}

ADMEntryRef KW_API GetActiveEntry(ADMListRef list) {
  KW_SUITE_CALL_OR(nullptr);
  const ListRecord* record = System().List(list, call);
  return record == nullptr ? nullptr : System().ActiveEntry(*record);
}

ADMEntryRef KW_API IndexEntry(ADMListRef list, int32_t index) {
  KW_SUITE_CALL_OR(nullptr);
  const ListRecord* record = System().List(list, call);
  if (record == nullptr || index < 0 || index >= static_cast<int32_t>(record->entries.size())) {
    return nullptr;
  }
  return record->entries[static_cast<std::size_t>(index)];
}

int32_t KW_API NumberOfEntries(ADMListRef list) {
  KW_SUITE_CALL_OR(0);
  const ListRecord* record = System().List(list, call);
  return record == nullptr ? 0 : static_cast<int32_t>(record->entries.size());
}

}  // namespace

const ADMListSuite* ADMListSuiteTable() {
  static const ADMListSuite table = {&SetMenuID, &GetActiveEntry, &IndexEntry, &NumberOfEntries};
  return &table;
}

}  // namespace standin
