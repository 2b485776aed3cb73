// ADM Entry Suite over the dialog system.
#include "hostapi/suites.h"
#include "standin/model/dialog_system.h"
#include "standin/suites/suite_call.h"
#include "standin/suites/tables.h"

namespace standin {
namespace {

constexpr char kSuite[] = kADMEntrySuite;

EntryRecord* Find(ADMEntryRef entry, const SuiteCall& call) {
  return Host::Current().Dialogs().Entry(entry, call);
}

int32_t KW_API GetIndex(ADMEntryRef entry) {
  KW_SUITE_CALL_OR(-1);
  const EntryRecord* record = Find(entry, call);
  return record == nullptr ? -1 : record->index;
}

void KW_API Select(ADMEntryRef entry, ASBoolean select) {
  KW_SUITE_CALL_OR();
  if (Find(entry, call) != nullptr) Host::Current().Dialogs().SelectEntry(entry, select != 0);
}

ASBoolean KW_API IsSelected(ADMEntryRef entry) {
  KW_SUITE_CALL_OR(false);
  const EntryRecord* record = Find(entry, call);
  return record != nullptr && record->selected;
}

void KW_API GetText(ADMEntryRef entry, char* buffer, int32_t capacity) {
  KW_SUITE_CALL_OR();
  const EntryRecord* record = Find(entry, call);
  if (record != nullptr && NonNull(buffer, call, "buffer")) {
    CopyOut(record->text, buffer, capacity);
  }
}

int32_t KW_API GetID(ADMEntryRef entry) {
  KW_SUITE_CALL_OR(0);
  const EntryRecord* record = Find(entry, call);
  return record == nullptr ? 0 : record->id;
}

}  // namespace

const ADMEntrySuite* ADMEntrySuiteTable() {
  static const ADMEntrySuite table = {&GetIndex, &Select, &IsSelected, &GetText, &GetID};
  return &table;
}

}  // namespace standin
