// ADM Dialog Group Suite: which dock group a palette sits in, and where.
#include "hostapi/suites.h"
#include "standin/model/dialog_system.h"
#include "standin/suites/suite_call.h"
#include "standin/suites/tables.h"

namespace standin {
namespace {

constexpr char kSuite[] = kADMDialogGroupSuite;

// A dialog in no group answers an empty name and code 0.
ASErr KW_API GetDialogGroupInfo(ADMDialogRef dialog, const char** groupName,
                                int32_t* positionCode) {
  KW_SUITE_CALL();
  const DialogRecord* record = Host::Current().Dialogs().Dialog(dialog, call);
  if (record == nullptr) return kBadParameterErr;
  if (!NonNull(groupName, call, "group name pointer") ||
      !NonNull(positionCode, call, "position code pointer")) {
    return kBadParameterErr;
  }
  static const char kNoGroup[] = "";
  *groupName = record->dockGroup ? record->dockGroup->c_str() : kNoGroup;
  *positionCode = record->dockCode;
  return kNoErr;
}

ASErr KW_API SetDialogGroupInfo(ADMDialogRef dialog, const char* groupName, int32_t positionCode) {
  KW_SUITE_CALL();
  DialogRecord* record = Host::Current().Dialogs().Dialog(dialog, call);
  if (record == nullptr || !NonNull(groupName, call, "group name")) return kBadParameterErr;
  record->dockGroup = groupName;
  record->dockCode = positionCode;
  return kNoErr;
}

}  // namespace

const ADMDialogGroupSuite* ADMDialogGroupSuiteTable() {
  static const ADMDialogGroupSuite table = {&GetDialogGroupInfo, &SetDialogGroupInfo};
  return &table;
}

}  // namespace standin
