#include "hostapi/suites.h"
#include "standin/core/stub.h"
#include "standin/suites/tables.h"

namespace standin {

const ADMDrawerSuite* ADMDrawerSuiteTable() {
  static const ADMDrawerSuite table = {
      KW_UNIMPLEMENTED(ADMDrawerSuite, GetBoundsRect),
      KW_UNIMPLEMENTED(ADMDrawerSuite, SetADMColor),
      KW_UNIMPLEMENTED(ADMDrawerSuite, SetRGBColor),
      KW_UNIMPLEMENTED(ADMDrawerSuite, FillRect),
      KW_UNIMPLEMENTED(ADMDrawerSuite, FrameRect),
      KW_UNIMPLEMENTED(ADMDrawerSuite, FillOval),
      KW_UNIMPLEMENTED(ADMDrawerSuite, FramePolygon),
      KW_UNIMPLEMENTED(ADMDrawerSuite, DrawResPictureCentered),
  };
  return &table;
}

}  // namespace standin
