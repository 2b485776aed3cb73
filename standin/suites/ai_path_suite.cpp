#include "hostapi/suites.h"
#include "standin/core/stub.h"
#include "standin/suites/tables.h"

namespace standin {

const AIPathSuite* AIPathSuiteTable() {
  static const AIPathSuite table = {
      KW_UNIMPLEMENTED(AIPathSuite, GetPathSegmentCount),
      KW_UNIMPLEMENTED(AIPathSuite, SetPathSegmentCount),
      KW_UNIMPLEMENTED(AIPathSuite, GetPathSegments),
      KW_UNIMPLEMENTED(AIPathSuite, SetPathSegments),
      KW_UNIMPLEMENTED(AIPathSuite, GetPathClosed),
      KW_UNIMPLEMENTED(AIPathSuite, SetPathClosed),
  };
  return &table;
}

}  // namespace standin
