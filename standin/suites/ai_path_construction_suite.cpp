#include "hostapi/suites.h"
#include "standin/core/stub.h"
#include "standin/suites/tables.h"

namespace standin {

const AIPathConstructionSuite* AIPathConstructionSuiteTable() {
  static const AIPathConstructionSuite table = {
      KW_UNIMPLEMENTED(AIPathConstructionSuite, SegmentsToPoints),
  };
  return &table;
}

}  // namespace standin
