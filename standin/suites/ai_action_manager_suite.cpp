#include "hostapi/suites.h"
#include "standin/core/stub.h"
#include "standin/suites/tables.h"

namespace standin {

const AIActionManagerSuite* AIActionManagerSuiteTable() {
  static const AIActionManagerSuite table = {
      KW_UNIMPLEMENTED(AIActionManagerSuite, AINewActionParamValue),
      KW_UNIMPLEMENTED(AIActionManagerSuite, AIDeleteActionParamValue),
      KW_UNIMPLEMENTED(AIActionManagerSuite, AIActionSetReal),
      KW_UNIMPLEMENTED(AIActionManagerSuite, AIActionSetUnitReal),
      KW_UNIMPLEMENTED(AIActionManagerSuite, AIActionSetEnumerated),
      KW_UNIMPLEMENTED(AIActionManagerSuite, PlayActionEvent),
  };
  return &table;
}

}  // namespace standin
