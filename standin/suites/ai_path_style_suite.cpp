#include "hostapi/suites.h"
#include "standin/core/stub.h"
#include "standin/suites/tables.h"

namespace standin {

const AIPathStyleSuite* AIPathStyleSuiteTable() {
  static const AIPathStyleSuite table = {
      KW_UNIMPLEMENTED(AIPathStyleSuite, GetPathStyle),
      KW_UNIMPLEMENTED(AIPathStyleSuite, SetPathStyle),
  };
  return &table;
}

}  // namespace standin
