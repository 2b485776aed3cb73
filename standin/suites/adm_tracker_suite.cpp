// ADM Tracker Suite: the mouse events the host hands track callbacks, alive for one callback.
#include "hostapi/suites.h"
#include "standin/model/dialog_system.h"
#include "standin/suites/suite_call.h"
#include "standin/suites/tables.h"

namespace standin {
namespace {

constexpr char kSuite[] = kADMTrackerSuite;

TrackerRecord* Find(ADMTrackerRef tracker, const char* function) {
  return Host::Current().Dialogs().Tracker(tracker, SuiteCall(kSuite, function));
}

void KW_API GetPoint(ADMTrackerRef tracker, ASPoint* point) {
  KW_GATE_OR(kSuite, "GetPoint", );
  const TrackerRecord* record = Find(tracker, "GetPoint");
  if (record != nullptr && NonNull(point, SuiteCall(kSuite, "GetPoint"), "point")) {
    *point = record->point;
  }
}

int32_t KW_API GetAction(ADMTrackerRef tracker) {
  KW_GATE_OR(kSuite, "GetAction", 0);
  const TrackerRecord* record = Find(tracker, "GetAction");
  return record == nullptr ? 0 : record->action;
}

void KW_API Abort(ADMTrackerRef tracker) {
  KW_GATE_OR(kSuite, "Abort", );
  if (TrackerRecord* record = Find(tracker, "Abort")) record->aborted = true;
}

}  // namespace

const ADMTrackerSuite* ADMTrackerSuiteTable() {
  static const ADMTrackerSuite table = {&GetPoint, &GetAction, &Abort};
  return &table;
}

}  // namespace standin
