#include "hostapi/suites.h"
#include "standin/core/stub.h"
#include "standin/suites/tables.h"

namespace standin {

const ADMItemSuite* ADMItemSuiteTable() {
  static const ADMItemSuite table = {
      KW_UNIMPLEMENTED(ADMItemSuite, GetDialog),
      KW_UNIMPLEMENTED(ADMItemSuite, GetID),
      KW_UNIMPLEMENTED(ADMItemSuite, SetItemStyle),
      KW_UNIMPLEMENTED(ADMItemSuite, GetItemStyle),
      KW_UNIMPLEMENTED(ADMItemSuite, SetNotifyProc),
      KW_UNIMPLEMENTED(ADMItemSuite, SetDrawProc),
      KW_UNIMPLEMENTED(ADMItemSuite, SetTrackProc),
      KW_UNIMPLEMENTED(ADMItemSuite, DefaultNotify),
      KW_UNIMPLEMENTED(ADMItemSuite, DefaultDraw),
      KW_UNIMPLEMENTED(ADMItemSuite, DefaultTrack),
      KW_UNIMPLEMENTED(ADMItemSuite, GetList),
      KW_UNIMPLEMENTED(ADMItemSuite, SetPictureID),
      KW_UNIMPLEMENTED(ADMItemSuite, GetPictureID),
      KW_UNIMPLEMENTED(ADMItemSuite, SetTipString),
      KW_UNIMPLEMENTED(ADMItemSuite, GetBoundsRect),
      KW_UNIMPLEMENTED(ADMItemSuite, SetBoundsRect),
      KW_UNIMPLEMENTED(ADMItemSuite, Invalidate),
      KW_UNIMPLEMENTED(ADMItemSuite, SetUnits),
      KW_UNIMPLEMENTED(ADMItemSuite, SetFloatValue),
      KW_UNIMPLEMENTED(ADMItemSuite, GetFloatValue),
      KW_UNIMPLEMENTED(ADMItemSuite, SetMinFloatValue),
      KW_UNIMPLEMENTED(ADMItemSuite, SetMaxFloatValue),
      KW_UNIMPLEMENTED(ADMItemSuite, GetText),
      KW_UNIMPLEMENTED(ADMItemSuite, SetText),
  };
  return &table;
}

}  // namespace standin
