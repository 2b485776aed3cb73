// ADM Notifier Suite: the notifications the host hands item and dialog callbacks. A notifier
// lives only for the callback it was handed to.
#include "hostapi/suites.h"
#include "standin/model/dialog_system.h"
#include "standin/suites/suite_call.h"
#include "standin/suites/tables.h"

namespace standin {
namespace {

constexpr char kSuite[] = kADMNotifierSuite;

AdmNotifierRecord* Find(ADMNotifierRef notifier, const SuiteCall& call) {
  return Host::Current().Dialogs().Notifier(notifier, call);
}

ASBoolean KW_API IsNotifierType(ADMNotifierRef notifier, const char* type) {
  KW_SUITE_CALL_OR(false);
  const AdmNotifierRecord* record = Find(notifier, call);
  if (record == nullptr || !NonNull(type, call, "type")) {
    return false;
  }
  return record->type == type;
}

ADMItemRef KW_API GetItem(ADMNotifierRef notifier) {
  KW_SUITE_CALL_OR(nullptr);
  const AdmNotifierRecord* record = Find(notifier, call);
  return record == nullptr ? nullptr : record->item;
}

ADMDialogRef KW_API GetDialog(ADMNotifierRef notifier) {
  KW_SUITE_CALL_OR(nullptr);
  const AdmNotifierRecord* record = Find(notifier, call);
  return record == nullptr ? nullptr : record->dialog;
}

void KW_API GetNotifierType(ADMNotifierRef notifier, char* buffer, int32_t capacity) {
  KW_SUITE_CALL_OR();
  const AdmNotifierRecord* record = Find(notifier, call);
  if (record != nullptr && NonNull(buffer, call, "buffer")) {
    CopyOut(record->type, buffer, capacity);
  }
}

}  // namespace

const ADMNotifierSuite* ADMNotifierSuiteTable() {
  static const ADMNotifierSuite table = {&IsNotifierType, &GetItem, &GetDialog, &GetNotifierType};
  return &table;
}

}  // namespace standin
