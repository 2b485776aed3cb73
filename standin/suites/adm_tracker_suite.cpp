// ADM Tracker Suite: the mouse events the host hands track callbacks, alive for one callback.
#include "hostapi/suites.h"
#include "standin/model/dialog_system.h"
#include "standin/suites/suite_call.h"
#include "standin/suites/tables.h"

namespace standin {
namespace {

constexpr char kSuite[] = kADMTrackerSuite;

TrackerRecord* Find(ADMTrackerRef tracker, const SuiteCall& call) {
  return Host::Current().Dialogs().Tracker(tracker, call);
}

void KW_API GetPoint(ADMTrackerRef tracker, ASPoint* point) {
  KW_SUITE_CALL_OR();
  const TrackerRecord* record = Find(tracker, call);
  if (record != nullptr && NonNull(point, call, "point")) {
    *point = record->point;
  }
}

int32_t KW_API GetAction(ADMTrackerRef tracker) {
  KW_SUITE_CALL_OR(0);
  const TrackerRecord* record = Find(tracker, call);
  return record == nullptr ? 0 : record->action;
}

void KW_API Abort(ADMTrackerRef tracker) {
  KW_SUITE_CALL_OR();
  if (TrackerRecord* record = Find(tracker, call)) record->aborted = true;
}

}  // namespace

const ADMTrackerSuite* ADMTrackerSuiteTable() {
  static const ADMTrackerSuite table = {&GetPoint, &GetAction, &Abort};
  return &table;
}

}  // namespace standin
