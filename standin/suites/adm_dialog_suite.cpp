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

DialogRecord* Find(ADMDialogRef dialog, const SuiteCall& call) {
  return System().Dialog(dialog, call);
}

ADMDialogRef KW_API Create(SPPluginRef plugin, const char* name, int32_t dialogId, int32_t style,
                           ADMDialogInitProc initProc, ADMUserData userData, int32_t options) {
  KW_SUITE_CALL_OR(nullptr);
  return System().Create({plugin, name, dialogId, style, initProc, userData, options, false}, call);
}

void KW_API Destroy(ADMDialogRef dialog) {
  KW_SUITE_CALL_OR();
  System().Destroy(dialog, call);
}

int32_t KW_API Modal(SPPluginRef plugin, const char* name, int32_t dialogId, int32_t style,
                     ADMDialogInitProc initProc, ADMUserData userData, int32_t options) {
  KW_SUITE_CALL_OR(-1);
  return System().RunModal({plugin, name, dialogId, style, initProc, userData, options, true},
                           call);
}

int32_t KW_API PopupModal(SPPluginRef plugin, const char* name, int32_t dialogId,
                          ADMDialogInitProc initProc, ADMUserData userData, int32_t options) {
  KW_SUITE_CALL_OR(-1);
  return System().RunModal(
      {plugin, name, dialogId, kADMModalDialogStyle, initProc, userData, options, true}, call);
}

void KW_API SetDrawProc(ADMDialogRef dialog, ADMDialogDrawProc proc) {
  KW_SUITE_CALL_OR();
  if (DialogRecord* record = Find(dialog, call)) record->drawProc = proc;
}

void KW_API SetNotifyProc(ADMDialogRef dialog, ADMDialogNotifyProc proc) {
  KW_SUITE_CALL_OR();
  if (DialogRecord* record = Find(dialog, call)) record->notifyProc = proc;
}

void KW_API SetTrackProc(ADMDialogRef dialog, ADMDialogTrackProc proc) {
  KW_SUITE_CALL_OR();
  if (DialogRecord* record = Find(dialog, call)) record->trackProc = proc;
}

void KW_API SetDestroyProc(ADMDialogRef dialog, ADMDialogDestroyProc proc) {
  KW_SUITE_CALL_OR();
  if (DialogRecord* record = Find(dialog, call)) record->destroyProc = proc;
}

void KW_API DefaultDraw(ADMDialogRef dialog, ADMDrawerRef drawer) {
  KW_SUITE_CALL_OR();
  if (System().Dialog(dialog, call) != nullptr && System().Drawer(drawer, call) != nullptr) {
    System().DefaultDraw(drawer);
  }
}

ASBoolean KW_API DefaultTrack(ADMDialogRef dialog, ADMTrackerRef tracker) {
  KW_SUITE_CALL_OR(false);
  if (System().Dialog(dialog, call) == nullptr || System().Tracker(tracker, call) == nullptr) {
    return false;
  }
  return System().DefaultTrack(tracker);
}

void KW_API DefaultNotify(ADMDialogRef dialog, ADMNotifierRef notifier) {
  KW_SUITE_CALL_OR();
  if (System().Dialog(dialog, call) != nullptr && System().Notifier(notifier, call) != nullptr) {
    System().DefaultDialogNotify(dialog, notifier);
  }
}

void KW_API SetUserData(ADMDialogRef dialog, ADMUserData userData) {
  KW_SUITE_CALL_OR();
  if (DialogRecord* record = Find(dialog, call)) record->userData = userData;
}

ADMUserData KW_API GetUserData(ADMDialogRef dialog) {
  KW_SUITE_CALL_OR(nullptr);
  const DialogRecord* record = Find(dialog, call);
  return record == nullptr ? nullptr : record->userData;
}

SPPluginRef KW_API GetPluginRef(ADMDialogRef dialog) {
  KW_SUITE_CALL_OR(nullptr);
  const DialogRecord* record = Find(dialog, call);
  return record == nullptr ? nullptr : record->plugin;
}

ADMItemRef KW_API GetItem(ADMDialogRef dialog, int32_t itemId) {
  KW_SUITE_CALL_OR(nullptr);
  if (Find(dialog, call) == nullptr) return nullptr;
  return System().ItemById(dialog, itemId);
}

void KW_API GetBoundsRect(ADMDialogRef dialog, ASRect* bounds) {
  KW_SUITE_CALL_OR();
  const DialogRecord* record = Find(dialog, call);
  if (record != nullptr && NonNull(bounds, call, "rectangle")) {
    *bounds = record->bounds;
  }
}

void KW_API SetBoundsRect(ADMDialogRef dialog, const ASRect* bounds) {
  KW_SUITE_CALL_OR();
  DialogRecord* record = Find(dialog, call);
  if (record != nullptr && NonNull(bounds, call, "rectangle")) {
    record->bounds = *bounds;
  }
}

void KW_API GetLocalRect(ADMDialogRef dialog, ASRect* local) {
  KW_SUITE_CALL_OR();
  const DialogRecord* record = Find(dialog, call);
  if (record != nullptr && NonNull(local, call, "rectangle")) {
    *local = System().LocalRect(*record);
  }
}

// Limits below 0 and increments below 1 are meaningless; the host refuses them.
void SetLimit(ADMDialogRef dialog, const SuiteCall& call, int32_t value, int32_t least,
              int SizeConstraints::*field) {
  DialogRecord* record = Find(dialog, call);
  if (record == nullptr) return;
  if (value < least) {
    Host::Current().RecordMisbehaviour(call, "passed " + std::to_string(value));
    return;
  }
  record->size.*field = value;
}

void KW_API SetMinWidth(ADMDialogRef dialog, int32_t width) {
  KW_SUITE_CALL_OR();
  SetLimit(dialog, call, width, 0, &SizeConstraints::minWidth);
}

void KW_API SetMinHeight(ADMDialogRef dialog, int32_t height) {
  KW_SUITE_CALL_OR();
  SetLimit(dialog, call, height, 0, &SizeConstraints::minHeight);
}

void KW_API SetMaxWidth(ADMDialogRef dialog, int32_t width) {
  KW_SUITE_CALL_OR();
  SetLimit(dialog, call, width, 0, &SizeConstraints::maxWidth);
}

void KW_API SetMaxHeight(ADMDialogRef dialog, int32_t height) {
  KW_SUITE_CALL_OR();
  SetLimit(dialog, call, height, 0, &SizeConstraints::maxHeight);
}

void KW_API SetHorizontalIncrement(ADMDialogRef dialog, int32_t increment) {
  KW_SUITE_CALL_OR();
  SetLimit(dialog, call, increment, 1, &SizeConstraints::horizontalIncrement);
}

void KW_API SetVerticalIncrement(ADMDialogRef dialog, int32_t increment) {
  KW_SUITE_CALL_OR();
  SetLimit(dialog, call, increment, 1, &SizeConstraints::verticalIncrement);
}

void KW_API SetIcon(ADMDialogRef dialog, int32_t iconState, ADMIconRef icon) {
  KW_SUITE_CALL_OR();
  System().SetDialogIcon(dialog, iconState, icon, call);
}

const char* KW_API GetDialogName(ADMDialogRef dialog) {
  KW_SUITE_CALL_OR(nullptr);
  const DialogRecord* record = Find(dialog, call);
  return record == nullptr ? nullptr : record->name.c_str();
}

void KW_API Invalidate(ADMDialogRef dialog) {
  KW_SUITE_CALL_OR();
  DialogRecord* record = Find(dialog, call);
  if (record == nullptr) return;
  ++record->invalidations;
  for (ADMItemRef item : record->items) System().Invalidate(*System().FindItem(item));
}

void KW_API EndModal(ADMDialogRef dialog, int32_t itemId, ASBoolean) {
  KW_SUITE_CALL_OR();
  System().EndModal(dialog, itemId, call);
}

void KW_API Show(ADMDialogRef dialog, ASBoolean show) {
  KW_SUITE_CALL_OR();
  if (DialogRecord* record = Find(dialog, call)) record->visible = show != 0;
}

ASBoolean KW_API IsVisible(ADMDialogRef dialog) {
  KW_SUITE_CALL_OR(false);
  const DialogRecord* record = Find(dialog, call);
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
