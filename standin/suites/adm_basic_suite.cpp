#include "hostapi/suites.h"
#include "standin/core/stub.h"
#include "standin/suites/tables.h"

namespace standin {

const ADMBasicSuite* ADMBasicSuiteTable() {
  static const ADMBasicSuite table = {
      KW_UNIMPLEMENTED(ADMBasicSuite, GetIndexedString),
      KW_UNIMPLEMENTED(ADMBasicSuite, Beep),
      KW_UNIMPLEMENTED(ADMBasicSuite, MessageAlert),
      KW_UNIMPLEMENTED(ADMBasicSuite, ErrorAlert),
      KW_UNIMPLEMENTED(ADMBasicSuite, GetPaletteLayoutBounds),
      {&ReservedSlot, &ReservedSlot, &ReservedSlot, &ReservedSlot, &ReservedSlot, &ReservedSlot,
       &ReservedSlot, &ReservedSlot, &ReservedSlot, &ReservedSlot, &ReservedSlot, &ReservedSlot,
       &ReservedSlot, &ReservedSlot, &ReservedSlot, &ReservedSlot, &ReservedSlot, &ReservedSlot,
       &ReservedSlot, &ReservedSlot, &ReservedSlot, &ReservedSlot, &ReservedSlot, &ReservedSlot,
       &ReservedSlot, &ReservedSlot},
      KW_UNIMPLEMENTED(ADMBasicSuite, AboutBox),
  };
  return &table;
}

}  // namespace standin
