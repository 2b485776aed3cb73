#include "hostapi/suites.h"
#include "standin/core/stub.h"
#include "standin/suites/tables.h"

namespace standin {

const ADMTrackerSuite* ADMTrackerSuiteTable() {
  static const ADMTrackerSuite table = {
      KW_UNIMPLEMENTED(ADMTrackerSuite, GetPoint),
      KW_UNIMPLEMENTED(ADMTrackerSuite, GetAction),
      KW_UNIMPLEMENTED(ADMTrackerSuite, Abort),
  };
  return &table;
}

}  // namespace standin
