#include "hostapi/suites.h"
#include "standin/core/stub.h"
#include "standin/suites/tables.h"

namespace standin {

const ADMDialogGroupSuite* ADMDialogGroupSuiteTable() {
  static const ADMDialogGroupSuite table = {
      KW_UNIMPLEMENTED(ADMDialogGroupSuite, GetDialogGroupInfo),
      KW_UNIMPLEMENTED(ADMDialogGroupSuite, SetDialogGroupInfo),
  };
  return &table;
}

}  // namespace standin
