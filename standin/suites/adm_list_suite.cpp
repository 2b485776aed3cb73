#include "hostapi/suites.h"
#include "standin/core/stub.h"
#include "standin/suites/tables.h"

namespace standin {

const ADMListSuite* ADMListSuiteTable() {
  static const ADMListSuite table = {
      KW_UNIMPLEMENTED(ADMListSuite, SetMenuID),
      KW_UNIMPLEMENTED(ADMListSuite, GetActiveEntry),
      KW_UNIMPLEMENTED(ADMListSuite, IndexEntry),
      KW_UNIMPLEMENTED(ADMListSuite, NumberOfEntries),
  };
  return &table;
}

}  // namespace standin
