// ADM Entry Suite over the dialog system.
#include "hostapi/suites.h"
#include "standin/model/dialog_system.h"
#include "standin/suites/suite_call.h"
#include "standin/suites/tables.h"

namespace standin {
namespace {

constexpr char kSuite[] = kADMEntrySuite;

EntryRecord* Find(ADMEntryRef entry, const char* function) {
  return Host::Current().Dialogs().Entry(entry, SuiteCall(kSuite, function));
}

int32_t KW_API GetIndex(ADMEntryRef entry) {
  KW_GATE_OR(kSuite, "GetIndex", -1);
  const EntryRecord* record = Find(entry, "GetIndex");
  return record == nullptr ? -1 : record->index;
}

void KW_API Select(ADMEntryRef entry, ASBoolean select) {
  KW_GATE_OR(kSuite, "Select", );
  if (Find(entry, "Select") != nullptr) Host::Current().Dialogs().SelectEntry(entry, select != 0);
}

ASBoolean KW_API IsSelected(ADMEntryRef entry) {
  KW_GATE_OR(kSuite, "IsSelected", false);
  const EntryRecord* record = Find(entry, "IsSelected");
  return record != nullptr && record->selected;
}

void KW_API GetText(ADMEntryRef entry, char* buffer, int32_t capacity) {
  KW_GATE_OR(kSuite, "GetText", );
  const EntryRecord* record = Find(entry, "GetText");
  if (record != nullptr && NonNull(buffer, SuiteCall(kSuite, "GetText"), "buffer")) {
    CopyOut(record->text, buffer, capacity);
  }
}

int32_t KW_API GetID(ADMEntryRef entry) {
  KW_GATE_OR(kSuite, "GetID", 0);
  const EntryRecord* record = Find(entry, "GetID");
  return record == nullptr ? 0 : record->id;
}

}  // namespace

const ADMEntrySuite* ADMEntrySuiteTable() {
  static const ADMEntrySuite table = {&GetIndex, &Select, &IsSelected, &GetText, &GetID};
  return &table;
}

}  // namespace standin
