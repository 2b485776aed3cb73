#include "hostapi/suites.h"
#include "standin/core/stub.h"
#include "standin/suites/tables.h"

namespace standin {

const ADMIconSuite* ADMIconSuiteTable() {
  static const ADMIconSuite table = {
      KW_UNIMPLEMENTED(ADMIconSuite, GetFromResource),
      KW_UNIMPLEMENTED(ADMIconSuite, Destroy),
      KW_UNIMPLEMENTED(ADMIconSuite, GetWidth),
      KW_UNIMPLEMENTED(ADMIconSuite, GetHeight),
  };
  return &table;
}

}  // namespace standin
