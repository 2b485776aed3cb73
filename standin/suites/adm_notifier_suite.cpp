#include "hostapi/suites.h"
#include "standin/core/stub.h"
#include "standin/suites/tables.h"

namespace standin {

const ADMNotifierSuite* ADMNotifierSuiteTable() {
  static const ADMNotifierSuite table = {
      KW_UNIMPLEMENTED(ADMNotifierSuite, IsNotifierType),
      KW_UNIMPLEMENTED(ADMNotifierSuite, GetItem),
      KW_UNIMPLEMENTED(ADMNotifierSuite, GetDialog),
      KW_UNIMPLEMENTED(ADMNotifierSuite, GetNotifierType),
  };
  return &table;
}

}  // namespace standin
