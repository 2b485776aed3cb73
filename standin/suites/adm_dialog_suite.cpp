#include "hostapi/suites.h"
#include "standin/core/stub.h"
#include "standin/suites/tables.h"

namespace standin {

const ADMDialogSuite* ADMDialogSuiteTable() {
  static const ADMDialogSuite table = {
      KW_UNIMPLEMENTED(ADMDialogSuite, Create),
      KW_UNIMPLEMENTED(ADMDialogSuite, Destroy),
      KW_UNIMPLEMENTED(ADMDialogSuite, Modal),
      KW_UNIMPLEMENTED(ADMDialogSuite, PopupModal),
      KW_UNIMPLEMENTED(ADMDialogSuite, SetDrawProc),
      KW_UNIMPLEMENTED(ADMDialogSuite, SetNotifyProc),
      KW_UNIMPLEMENTED(ADMDialogSuite, SetTrackProc),
      KW_UNIMPLEMENTED(ADMDialogSuite, SetDestroyProc),
      KW_UNIMPLEMENTED(ADMDialogSuite, DefaultDraw),
      KW_UNIMPLEMENTED(ADMDialogSuite, DefaultTrack),
      KW_UNIMPLEMENTED(ADMDialogSuite, DefaultNotify),
      KW_UNIMPLEMENTED(ADMDialogSuite, SetUserData),
      KW_UNIMPLEMENTED(ADMDialogSuite, GetUserData),
      KW_UNIMPLEMENTED(ADMDialogSuite, GetPluginRef),
      KW_UNIMPLEMENTED(ADMDialogSuite, GetItem),
      KW_UNIMPLEMENTED(ADMDialogSuite, GetBoundsRect),
      KW_UNIMPLEMENTED(ADMDialogSuite, SetBoundsRect),
      KW_UNIMPLEMENTED(ADMDialogSuite, GetLocalRect),
      KW_UNIMPLEMENTED(ADMDialogSuite, SetMinWidth),
      KW_UNIMPLEMENTED(ADMDialogSuite, SetMinHeight),
      KW_UNIMPLEMENTED(ADMDialogSuite, SetMaxWidth),
      KW_UNIMPLEMENTED(ADMDialogSuite, SetMaxHeight),
      KW_UNIMPLEMENTED(ADMDialogSuite, SetHorizontalIncrement),
      KW_UNIMPLEMENTED(ADMDialogSuite, SetVerticalIncrement),
      KW_UNIMPLEMENTED(ADMDialogSuite, SetIcon),
      KW_UNIMPLEMENTED(ADMDialogSuite, GetDialogName),
      KW_UNIMPLEMENTED(ADMDialogSuite, Invalidate),
      KW_UNIMPLEMENTED(ADMDialogSuite, EndModal),
      {&ReservedSlot, &ReservedSlot, &ReservedSlot},
      KW_UNIMPLEMENTED(ADMDialogSuite, Show),
      KW_UNIMPLEMENTED(ADMDialogSuite, IsVisible),
  };
  return &table;
}

}  // namespace standin
