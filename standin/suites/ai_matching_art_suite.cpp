#include "hostapi/suites.h"
#include "standin/core/stub.h"
#include "standin/suites/tables.h"

namespace standin {

const AIMatchingArtSuite* AIMatchingArtSuiteTable() {
  static const AIMatchingArtSuite table = {
      KW_UNIMPLEMENTED(AIMatchingArtSuite, GetSelectedArt),
      KW_UNIMPLEMENTED(AIMatchingArtSuite, GetMatchingArt),
      KW_UNIMPLEMENTED(AIMatchingArtSuite, ReleaseArtList),
  };
  return &table;
}

}  // namespace standin
