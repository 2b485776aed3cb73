#include "hostapi/suites.h"
#include "standin/core/stub.h"
#include "standin/suites/tables.h"

namespace standin {

const AIPreferenceSuite* AIPreferenceSuiteTable() {
  static const AIPreferenceSuite table = {
      KW_UNIMPLEMENTED(AIPreferenceSuite, GetBooleanPreference),
      KW_UNIMPLEMENTED(AIPreferenceSuite, PutBooleanPreference),
      KW_UNIMPLEMENTED(AIPreferenceSuite, GetIntegerPreference),
      KW_UNIMPLEMENTED(AIPreferenceSuite, PutIntegerPreference),
      KW_UNIMPLEMENTED(AIPreferenceSuite, GetStringPreference),
      KW_UNIMPLEMENTED(AIPreferenceSuite, PutStringPreference),
      KW_UNIMPLEMENTED(AIPreferenceSuite, GetPointPreference),
      KW_UNIMPLEMENTED(AIPreferenceSuite, PutPointPreference),
  };
  return &table;
}

}  // namespace standin
