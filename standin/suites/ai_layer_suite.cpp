#include "hostapi/suites.h"
#include "standin/core/stub.h"
#include "standin/suites/tables.h"

namespace standin {

const AILayerSuite* AILayerSuiteTable() {
  static const AILayerSuite table = {
      KW_UNIMPLEMENTED(AILayerSuite, GetCurrentLayer),
      KW_UNIMPLEMENTED(AILayerSuite, CountLayers),
      KW_UNIMPLEMENTED(AILayerSuite, GetNthLayer),
      KW_UNIMPLEMENTED(AILayerSuite, GetLayerTitle),
  };
  return &table;
}

}  // namespace standin
