#include "hostapi/suites.h"
#include "standin/core/stub.h"
#include "standin/suites/tables.h"

namespace standin {

const AIMenuSuite* AIMenuSuiteTable() {
  static const AIMenuSuite table = {
      KW_UNIMPLEMENTED(AIMenuSuite, AddMenuItem),
      {&ReservedSlot, &ReservedSlot, &ReservedSlot, &ReservedSlot, &ReservedSlot, &ReservedSlot,
       &ReservedSlot, &ReservedSlot, &ReservedSlot, &ReservedSlot, &ReservedSlot, &ReservedSlot,
       &ReservedSlot},
      KW_UNIMPLEMENTED(AIMenuSuite, SetItemText),
      KW_UNIMPLEMENTED(AIMenuSuite, GetItemText),
      KW_UNIMPLEMENTED(AIMenuSuite, CheckItem),
  };
  return &table;
}

}  // namespace standin
