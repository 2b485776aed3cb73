// ADM Item Suite over the dialog system.
#include "hostapi/suites.h"
#include "standin/model/dialog_system.h"
#include "standin/suites/suite_call.h"
#include "standin/suites/tables.h"

namespace standin {
namespace {

constexpr char kSuite[] = kADMItemSuite;

DialogSystem& System() {
  return Host::Current().Dialogs();
}

ItemRecord* Find(ADMItemRef item, const SuiteCall& call) {
  return System().Item(item, call);
}

ADMDialogRef KW_API GetDialog(ADMItemRef item) {
  KW_SUITE_CALL_OR(nullptr);
  const ItemRecord* record = Find(item, call);
  return record == nullptr ? nullptr : record->dialog;
}

int32_t KW_API GetID(ADMItemRef item) {
  KW_SUITE_CALL_OR(0);
  const ItemRecord* record = Find(item, call);
  return record == nullptr ? 0 : record->id;
}

void KW_API SetItemStyle(ADMItemRef item, int32_t style) {
  KW_SUITE_CALL_OR();
  if (ItemRecord* record = Find(item, call)) record->style = style;
}

int32_t KW_API GetItemStyle(ADMItemRef item) {
  KW_SUITE_CALL_OR(0);
  const ItemRecord* record = Find(item, call);
  return record == nullptr ? 0 : record->style;
}

void KW_API SetNotifyProc(ADMItemRef item, ADMItemNotifyProc proc) {
  KW_SUITE_CALL_OR();
  if (ItemRecord* record = Find(item, call)) record->notifyProc = proc;
}

void KW_API SetDrawProc(ADMItemRef item, ADMItemDrawProc proc) {
  KW_SUITE_CALL_OR();
  if (ItemRecord* record = Find(item, call)) record->drawProc = proc;
}

void KW_API SetTrackProc(ADMItemRef item, ADMItemTrackProc proc) {
  KW_SUITE_CALL_OR();
  if (ItemRecord* record = Find(item, call)) record->trackProc = proc;
}

void KW_API DefaultNotify(ADMItemRef item, ADMNotifierRef notifier) {
  KW_SUITE_CALL_OR();
  if (System().Item(item, call) != nullptr && System().Notifier(notifier, call) != nullptr) {
    System().DefaultItemNotify(item, notifier);
  }
}

void KW_API DefaultDraw(ADMItemRef item, ADMDrawerRef drawer) {
  KW_SUITE_CALL_OR();
  if (System().Item(item, call) != nullptr && System().Drawer(drawer, call) != nullptr) {
    System().DefaultDraw(drawer);
  }
}

ASBoolean KW_API DefaultTrack(ADMItemRef item, ADMTrackerRef tracker) {
  KW_SUITE_CALL_OR(false);
  if (System().Item(item, call) == nullptr || System().Tracker(tracker, call) == nullptr) {
    return false;
  }
  return System().DefaultTrack(tracker);
}

ADMListRef KW_API GetList(ADMItemRef item) {
  KW_SUITE_CALL_OR(nullptr);
  const ItemRecord* record = Find(item, call);
  return record == nullptr ? nullptr : record->list;
}

// A picture the plug-in's resources do not have would show nothing in the host.
void KW_API SetPictureID(ADMItemRef item, int32_t pictureId, const char* name) {
  KW_SUITE_CALL_OR();
  ItemRecord* record = Find(item, call);
  if (record == nullptr) return;
  const DialogResourceSource* resources = System().Resources();
  if (resources == nullptr || !resources->Image(pictureId)) {
    Host::Current().RecordMisbehaviour(call, "no picture resource " + std::to_string(pictureId));
  }
  record->pictureId = pictureId;
  record->pictureName = name == nullptr ? "" : name;
  System().Invalidate(*record);
}

void KW_API GetPictureID(ADMItemRef item, int32_t* pictureId, const char** name) {
  KW_SUITE_CALL_OR();
  const ItemRecord* record = Find(item, call);
  if (record == nullptr || !NonNull(pictureId, call, "picture id")) {
    return;
  }
  *pictureId = record->pictureId.value_or(0);
  if (name != nullptr) *name = record->pictureId ? record->pictureName.c_str() : nullptr;
}

void KW_API SetTipString(ADMItemRef item, const char* tip) {
  KW_SUITE_CALL_OR();
  ItemRecord* record = Find(item, call);
  if (record != nullptr && NonNull(tip, call, "tip")) {
    record->tip = tip;
  }
}

void KW_API GetBoundsRect(ADMItemRef item, ASRect* bounds) {
  KW_SUITE_CALL_OR();
  const ItemRecord* record = Find(item, call);
  if (record != nullptr && NonNull(bounds, call, "rectangle")) {
    *bounds = record->bounds;
  }
}

// Moving an item repaints it.
void KW_API SetBoundsRect(ADMItemRef item, const ASRect* bounds) {
  KW_SUITE_CALL_OR();
  ItemRecord* record = Find(item, call);
  if (record != nullptr && NonNull(bounds, call, "rectangle")) {
    record->bounds = *bounds;
    System().Invalidate(*record);
  }
}

void KW_API Invalidate(ADMItemRef item) {
  KW_SUITE_CALL_OR();
  if (ItemRecord* record = Find(item, call)) {
    ++record->invalidateCalls;
    System().Invalidate(*record);
  }
}

void KW_API SetUnits(ADMItemRef item, int32_t units) {
  KW_SUITE_CALL_OR();
  if (ItemRecord* record = Find(item, call)) record->units = units;
}

void KW_API SetFloatValue(ADMItemRef item, float value) {
  KW_SUITE_CALL_OR();
  if (ItemRecord* record = Find(item, call)) System().SetValue(*record, value);
}

float KW_API GetFloatValue(ADMItemRef item) {
  KW_SUITE_CALL_OR(0.0f);
  const ItemRecord* record = Find(item, call);
  return record == nullptr ? 0.0f : record->value;
}

// New bounds hold the value already shown.
void KW_API SetMinFloatValue(ADMItemRef item, float value) {
  KW_SUITE_CALL_OR();
  ItemRecord* record = Find(item, call);
  if (record == nullptr) return;
  record->minValue = value;
  System().SetValue(*record, record->value);
}

void KW_API SetMaxFloatValue(ADMItemRef item, float value) {
  KW_SUITE_CALL_OR();
  ItemRecord* record = Find(item, call);
  if (record == nullptr) return;
  record->maxValue = value;
  System().SetValue(*record, record->value);
}

void KW_API GetText(ADMItemRef item, char* buffer, int32_t capacity) {
  KW_SUITE_CALL_OR();
  const ItemRecord* record = Find(item, call);
  if (record == nullptr || !NonNull(buffer, call, "buffer")) return;
  CopyOut(record->text, buffer, capacity);
}

void KW_API SetText(ADMItemRef item, const char* text) {
  KW_SUITE_CALL_OR();
  ItemRecord* record = Find(item, call);
  if (record != nullptr && NonNull(text, call, "text")) {
    record->text = text;
    System().Invalidate(*record);
  }
}

}  // namespace

const ADMItemSuite* ADMItemSuiteTable() {
  static const ADMItemSuite table = {
      &GetDialog,        &GetID,         &SetItemStyle,
      &GetItemStyle,     &SetNotifyProc, &SetDrawProc,
      &SetTrackProc,     &DefaultNotify, &DefaultDraw,
      &DefaultTrack,     &GetList,       &SetPictureID,
      &GetPictureID,     &SetTipString,  &GetBoundsRect,
      &SetBoundsRect,    &Invalidate,    &SetUnits,
      &SetFloatValue,    &GetFloatValue, &SetMinFloatValue,
      &SetMaxFloatValue, &GetText,       &SetText,
  };
  return &table;
}

}  // namespace standin
