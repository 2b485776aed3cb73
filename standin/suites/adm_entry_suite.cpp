#include "hostapi/suites.h"
#include "standin/core/stub.h"
#include "standin/suites/tables.h"

namespace standin {

const ADMEntrySuite* ADMEntrySuiteTable() {
  static const ADMEntrySuite table = {
      KW_UNIMPLEMENTED(ADMEntrySuite, GetIndex),   KW_UNIMPLEMENTED(ADMEntrySuite, Select),
      KW_UNIMPLEMENTED(ADMEntrySuite, IsSelected), KW_UNIMPLEMENTED(ADMEntrySuite, GetText),
      KW_UNIMPLEMENTED(ADMEntrySuite, GetID),
  };
  return &table;
}

}  // namespace standin
