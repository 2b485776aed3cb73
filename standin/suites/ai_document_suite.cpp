#include "hostapi/suites.h"
#include "standin/core/stub.h"
#include "standin/suites/tables.h"

namespace standin {

const AIDocumentSuite* AIDocumentSuiteTable() {
  static const AIDocumentSuite table = {
      KW_UNIMPLEMENTED(AIDocumentSuite, GetDocument),
      KW_UNIMPLEMENTED(AIDocumentSuite, GetDocumentRulerOrigin),
      KW_UNIMPLEMENTED(AIDocumentSuite, GetDocumentSetup),
      KW_UNIMPLEMENTED(AIDocumentSuite, RedrawDocument),
  };
  return &table;
}

}  // namespace standin
