#include "hostapi/suites.h"
#include "standin/core/stub.h"
#include "standin/suites/tables.h"

namespace standin {

const AITagSuite* AITagSuiteTable() {
  static const AITagSuite table = {
      KW_UNIMPLEMENTED(AITagSuite, SetTag),
      KW_UNIMPLEMENTED(AITagSuite, GetTag),
      KW_UNIMPLEMENTED(AITagSuite, RemoveTag),
  };
  return &table;
}

}  // namespace standin
