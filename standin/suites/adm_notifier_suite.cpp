// ADM Notifier Suite: the notifications the host hands item and dialog callbacks. A notifier
// lives only for the callback it was handed to.
#include "hostapi/suites.h"
#include "standin/model/dialog_system.h"
#include "standin/suites/suite_call.h"
#include "standin/suites/tables.h"

namespace standin {
namespace {

constexpr char kSuite[] = kADMNotifierSuite;

AdmNotifierRecord* Find(ADMNotifierRef notifier, const char* function) {
  return Host::Current().Dialogs().Notifier(notifier, SuiteCall(kSuite, function));
}

ASBoolean KW_API IsNotifierType(ADMNotifierRef notifier, const char* type) {
  KW_GATE_OR(kSuite, "IsNotifierType", false);
  const AdmNotifierRecord* record = Find(notifier, "IsNotifierType");
  if (record == nullptr || !NonNull(type, SuiteCall(kSuite, "IsNotifierType"), "type")) {
    return false;
  }
  return record->type == type;
}

ADMItemRef KW_API GetItem(ADMNotifierRef notifier) {
  KW_GATE_OR(kSuite, "GetItem", nullptr);
  const AdmNotifierRecord* record = Find(notifier, "GetItem");
  return record == nullptr ? nullptr : record->item;
}

ADMDialogRef KW_API GetDialog(ADMNotifierRef notifier) {
  KW_GATE_OR(kSuite, "GetDialog", nullptr);
  const AdmNotifierRecord* record = Find(notifier, "GetDialog");
  return record == nullptr ? nullptr : record->dialog;
}

void KW_API GetNotifierType(ADMNotifierRef notifier, char* buffer, int32_t capacity) {
  KW_GATE_OR(kSuite, "GetNotifierType", );
  const AdmNotifierRecord* record = Find(notifier, "GetNotifierType");
  if (record != nullptr && NonNull(buffer, SuiteCall(kSuite, "GetNotifierType"), "buffer")) {
    CopyOut(record->type, buffer, capacity);
  }
}

}  // namespace

const ADMNotifierSuite* ADMNotifierSuiteTable() {
  static const ADMNotifierSuite table = {&IsNotifierType, &GetItem, &GetDialog, &GetNotifierType};
  return &table;
}

}  // namespace standin
