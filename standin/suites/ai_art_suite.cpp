#include "hostapi/suites.h"
#include "standin/core/stub.h"
#include "standin/suites/tables.h"

namespace standin {

const AIArtSuite* AIArtSuiteTable() {
  static const AIArtSuite table = {
      KW_UNIMPLEMENTED(AIArtSuite, NewArt),         KW_UNIMPLEMENTED(AIArtSuite, DisposeArt),
      KW_UNIMPLEMENTED(AIArtSuite, GetArtType),     KW_UNIMPLEMENTED(AIArtSuite, GetArtUserAttr),
      KW_UNIMPLEMENTED(AIArtSuite, SetArtUserAttr), KW_UNIMPLEMENTED(AIArtSuite, GetArtLayer),
      KW_UNIMPLEMENTED(AIArtSuite, ArtHasFill),     KW_UNIMPLEMENTED(AIArtSuite, ArtHasStroke),
      KW_UNIMPLEMENTED(AIArtSuite, GetArtParent),
  };
  return &table;
}

}  // namespace standin
