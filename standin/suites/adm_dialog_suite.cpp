// ADM Dialog Suite over the dialog system. Bounds are the dialog's client area in screen pixels;
// its local rectangle is (0, 0, width, height).
#include "hostapi/suites.h"
#include "standin/core/stub.h"
#include "standin/model/dialog_system.h"
#include "standin/suites/suite_call.h"
#include "standin/suites/tables.h"

namespace standin {
namespace {

constexpr char kSuite[] = kADMDialogSuite;

DialogSystem& System() {
  return Host::Current().Dialogs();
}

DialogRecord* Find(ADMDialogRef dialog, const char* function) {
  return System().Dialog(dialog, SuiteCall(kSuite, function));
}

ADMDialogRef KW_API Create(SPPluginRef plugin, const char* name, int32_t dialogId, int32_t style,
                           ADMDialogInitProc initProc, ADMUserData userData, int32_t options) {
  KW_GATE_OR(kSuite, "Create", nullptr);
  return System().Create({plugin, name, dialogId, style, initProc, userData, options, false},
                         SuiteCall(kSuite, "Create"));
}

void KW_API Destroy(ADMDialogRef dialog) {
  KW_GATE_OR(kSuite, "Destroy", );
  System().Destroy(dialog, SuiteCall(kSuite, "Destroy"));
}

int32_t KW_API Modal(SPPluginRef plugin, const char* name, int32_t dialogId, int32_t style,
                     ADMDialogInitProc initProc, ADMUserData userData, int32_t options) {
  KW_GATE_OR(kSuite, "Modal", -1);
  return System().RunModal({plugin, name, dialogId, style, initProc, userData, options, true},
                           SuiteCall(kSuite, "Modal"));
}

int32_t KW_API PopupModal(SPPluginRef plugin, const char* name, int32_t dialogId,
                          ADMDialogInitProc initProc, ADMUserData userData, int32_t options) {
  KW_GATE_OR(kSuite, "PopupModal", -1);
  return System().RunModal(
      {plugin, name, dialogId, kADMModalDialogStyle, initProc, userData, options, true},
      SuiteCall(kSuite, "PopupModal"));
}

void KW_API SetDrawProc(ADMDialogRef dialog, ADMDialogDrawProc proc) {
  KW_GATE_OR(kSuite, "SetDrawProc", );
  if (DialogRecord* record = Find(dialog, "SetDrawProc")) record->drawProc = proc;
}

void KW_API SetNotifyProc(ADMDialogRef dialog, ADMDialogNotifyProc proc) {
  KW_GATE_OR(kSuite, "SetNotifyProc", );
  if (DialogRecord* record = Find(dialog, "SetNotifyProc")) record->notifyProc = proc;
}

void KW_API SetTrackProc(ADMDialogRef dialog, ADMDialogTrackProc proc) {
  KW_GATE_OR(kSuite, "SetTrackProc", );
  if (DialogRecord* record = Find(dialog, "SetTrackProc")) record->trackProc = proc;
}

void KW_API SetDestroyProc(ADMDialogRef dialog, ADMDialogDestroyProc proc) {
  KW_GATE_OR(kSuite, "SetDestroyProc", );
  if (DialogRecord* record = Find(dialog, "SetDestroyProc")) record->destroyProc = proc;
}

void KW_API DefaultDraw(ADMDialogRef dialog, ADMDrawerRef drawer) {
  KW_GATE_OR(kSuite, "DefaultDraw", );
  const std::string call = SuiteCall(kSuite, "DefaultDraw");
  if (System().Dialog(dialog, call) != nullptr && System().Drawer(drawer, call) != nullptr) {
    System().DefaultDraw(drawer);
  }
}

ASBoolean KW_API DefaultTrack(ADMDialogRef dialog, ADMTrackerRef tracker) {
  KW_GATE_OR(kSuite, "DefaultTrack", false);
  const std::string call = SuiteCall(kSuite, "DefaultTrack");
  if (System().Dialog(dialog, call) == nullptr || System().Tracker(tracker, call) == nullptr) {
    return false;
  }
  return System().DefaultTrack(tracker);
}

void KW_API DefaultNotify(ADMDialogRef dialog, ADMNotifierRef notifier) {
  KW_GATE_OR(kSuite, "DefaultNotify", );
  const std::string call = SuiteCall(kSuite, "DefaultNotify");
  if (System().Dialog(dialog, call) != nullptr && System().Notifier(notifier, call) != nullptr) {
    System().DefaultDialogNotify(dialog, notifier);
  }
}

void KW_API SetUserData(ADMDialogRef dialog, ADMUserData userData) {
  KW_GATE_OR(kSuite, "SetUserData", );
  if (DialogRecord* record = Find(dialog, "SetUserData")) record->userData = userData;
}

ADMUserData KW_API GetUserData(ADMDialogRef dialog) {
  KW_GATE_OR(kSuite, "GetUserData", nullptr);
  const DialogRecord* record = Find(dialog, "GetUserData");
  return record == nullptr ? nullptr : record->userData;
}

SPPluginRef KW_API GetPluginRef(ADMDialogRef dialog) {
  KW_GATE_OR(kSuite, "GetPluginRef", nullptr);
  const DialogRecord* record = Find(dialog, "GetPluginRef");
  return record == nullptr ? nullptr : record->plugin;
}

ADMItemRef KW_API GetItem(ADMDialogRef dialog, int32_t itemId) {
  KW_GATE_OR(kSuite, "GetItem", nullptr);
  if (Find(dialog, "GetItem") == nullptr) return nullptr;
  return System().ItemById(dialog, itemId);
}

void KW_API GetBoundsRect(ADMDialogRef dialog, ASRect* bounds) {
  KW_GATE_OR(kSuite, "GetBoundsRect", );
  const DialogRecord* record = Find(dialog, "GetBoundsRect");
  if (record != nullptr && NonNull(bounds, SuiteCall(kSuite, "GetBoundsRect"), "rectangle")) {
    *bounds = record->bounds;
  }
}

void KW_API SetBoundsRect(ADMDialogRef dialog, const ASRect* bounds) {
  KW_GATE_OR(kSuite, "SetBoundsRect", );
  DialogRecord* record = Find(dialog, "SetBoundsRect");
  if (record != nullptr && NonNull(bounds, SuiteCall(kSuite, "SetBoundsRect"), "rectangle")) {
    record->bounds = *bounds;
  }
}

void KW_API GetLocalRect(ADMDialogRef dialog, ASRect* local) {
  KW_GATE_OR(kSuite, "GetLocalRect", );
  const DialogRecord* record = Find(dialog, "GetLocalRect");
  if (record != nullptr && NonNull(local, SuiteCall(kSuite, "GetLocalRect"), "rectangle")) {
    *local = System().LocalRect(*record);
  }
}

// Limits below 0 and increments below 1 are meaningless; the host refuses them.
void SetLimit(ADMDialogRef dialog, const char* function, int32_t value, int32_t least,
              int SizeConstraints::*field) {
  DialogRecord* record = Find(dialog, function);
  if (record == nullptr) return;
  if (value < least) {
    Host::Current().RecordMisbehaviour(SuiteCall(kSuite, function),
                                       "passed " + std::to_string(value));
    return;
  }
  record->size.*field = value;
}

void KW_API SetMinWidth(ADMDialogRef dialog, int32_t width) {
  KW_GATE_OR(kSuite, "SetMinWidth", );
  SetLimit(dialog, "SetMinWidth", width, 0, &SizeConstraints::minWidth);
}

void KW_API SetMinHeight(ADMDialogRef dialog, int32_t height) {
  KW_GATE_OR(kSuite, "SetMinHeight", );
  SetLimit(dialog, "SetMinHeight", height, 0, &SizeConstraints::minHeight);
}

void KW_API SetMaxWidth(ADMDialogRef dialog, int32_t width) {
  KW_GATE_OR(kSuite, "SetMaxWidth", );
  SetLimit(dialog, "SetMaxWidth", width, 0, &SizeConstraints::maxWidth);
}

void KW_API SetMaxHeight(ADMDialogRef dialog, int32_t height) {
  KW_GATE_OR(kSuite, "SetMaxHeight", );
  SetLimit(dialog, "SetMaxHeight", height, 0, &SizeConstraints::maxHeight);
}

void KW_API SetHorizontalIncrement(ADMDialogRef dialog, int32_t increment) {
  KW_GATE_OR(kSuite, "SetHorizontalIncrement", );
  SetLimit(dialog, "SetHorizontalIncrement", increment, 1, &SizeConstraints::horizontalIncrement);
}

void KW_API SetVerticalIncrement(ADMDialogRef dialog, int32_t increment) {
  KW_GATE_OR(kSuite, "SetVerticalIncrement", );
  SetLimit(dialog, "SetVerticalIncrement", increment, 1, &SizeConstraints::verticalIncrement);
}

void KW_API SetIcon(ADMDialogRef dialog, int32_t iconState, ADMIconRef icon) {
  KW_GATE_OR(kSuite, "SetIcon", );
  System().SetDialogIcon(dialog, iconState, icon, SuiteCall(kSuite, "SetIcon"));
}

const char* KW_API GetDialogName(ADMDialogRef dialog) {
  KW_GATE_OR(kSuite, "GetDialogName", nullptr);
  const DialogRecord* record = Find(dialog, "GetDialogName");
  return record == nullptr ? nullptr : record->name.c_str();
}

void KW_API Invalidate(ADMDialogRef dialog) {
  KW_GATE_OR(kSuite, "Invalidate", );
  DialogRecord* record = Find(dialog, "Invalidate");
  if (record == nullptr) return;
  ++record->invalidations;
  for (ADMItemRef item : record->items) System().Invalidate(*System().FindItem(item));
}

void KW_API EndModal(ADMDialogRef dialog, int32_t itemId, ASBoolean) {
  KW_GATE_OR(kSuite, "EndModal", );
  System().EndModal(dialog, itemId, SuiteCall(kSuite, "EndModal"));
}

void KW_API Show(ADMDialogRef dialog, ASBoolean show) {
  KW_GATE_OR(kSuite, "Show", );
  if (DialogRecord* record = Find(dialog, "Show")) record->visible = show != 0;
}

ASBoolean KW_API IsVisible(ADMDialogRef dialog) {
  KW_GATE_OR(kSuite, "IsVisible", false);
  const DialogRecord* record = Find(dialog, "IsVisible");
  return record != nullptr && record->visible;
}

}  // namespace

const ADMDialogSuite* ADMDialogSuiteTable() {
  static const ADMDialogSuite table = {
      &Create,
      &Destroy,
      &Modal,
      &PopupModal,
      &SetDrawProc,
      &SetNotifyProc,
      &SetTrackProc,
      &SetDestroyProc,
      &DefaultDraw,
      &DefaultTrack,
      &DefaultNotify,
      &SetUserData,
      &GetUserData,
      &GetPluginRef,
      &GetItem,
      &GetBoundsRect,
      &SetBoundsRect,
      &GetLocalRect,
      &SetMinWidth,
      &SetMinHeight,
      &SetMaxWidth,
      &SetMaxHeight,
      &SetHorizontalIncrement,
      &SetVerticalIncrement,
      &SetIcon,
      &GetDialogName,
      &Invalidate,
      &EndModal,
      {&ReservedSlot, &ReservedSlot, &ReservedSlot},
      &Show,
      &IsVisible,
  };
  return &table;
}

}  // namespace standin
