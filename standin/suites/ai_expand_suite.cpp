#include "hostapi/suites.h"
#include "standin/core/stub.h"
#include "standin/suites/tables.h"

namespace standin {

const AIUncalledSuite* AIExpandSuiteTable() {
  static const AIUncalledSuite table = {
      {&ReservedSlot, &ReservedSlot, &ReservedSlot, &ReservedSlot},
  };
  return &table;
}

}  // namespace standin
