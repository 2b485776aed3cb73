// ADM Drawer Suite: a recording drawer. Every call is kept with its coordinates and the colour
// current after it, so that tests can see what the plug-in drew.
#include "hostapi/suites.h"
#include "standin/model/dialog_system.h"
#include "standin/suites/suite_call.h"
#include "standin/suites/tables.h"

namespace standin {
namespace {

constexpr char kSuite[] = kADMDrawerSuite;

DrawerRecord* Find(ADMDrawerRef drawer, const SuiteCall& call) {
  return Host::Current().Dialogs().Drawer(drawer, call);
}

void Record(DrawerRecord& drawer, DrawOpKind kind, ASRect rect = {}) {
  drawer.ops.push_back({kind, drawer.color, rect, {}, 0});
}

void KW_API GetBoundsRect(ADMDrawerRef drawer, ASRect* bounds) {
  KW_SUITE_CALL_OR();
  const DrawerRecord* record = Find(drawer, call);
  if (record != nullptr && NonNull(bounds, call, "rectangle")) {
    *bounds = record->bounds;
  }
}

void KW_API SetADMColor(ADMDrawerRef drawer, int32_t color) {
  KW_SUITE_CALL_OR();
  DrawerRecord* record = Find(drawer, call);
  if (record == nullptr) return;
  record->color = AdmColor(color);
  Record(*record, DrawOpKind::kSetColor);
}

void KW_API SetRGBColor(ADMDrawerRef drawer, const ADMRGBColor* color) {
  KW_SUITE_CALL_OR();
  DrawerRecord* record = Find(drawer, call);
  if (record == nullptr || !NonNull(color, call, "colour")) return;
  record->color = RgbColor(color->red, color->green, color->blue);
  Record(*record, DrawOpKind::kSetColor);
}

void DrawRect(ADMDrawerRef drawer, const ASRect* rect, const SuiteCall& call, DrawOpKind kind) {
  DrawerRecord* record = Find(drawer, call);
  if (record != nullptr && NonNull(rect, call, "rectangle")) {
    Record(*record, kind, *rect);
  }
}

void KW_API FillRect(ADMDrawerRef drawer, const ASRect* rect) {
  KW_SUITE_CALL_OR();
  DrawRect(drawer, rect, call, DrawOpKind::kFillRect);
}

void KW_API FrameRect(ADMDrawerRef drawer, const ASRect* rect) {
  KW_SUITE_CALL_OR();
  DrawRect(drawer, rect, call, DrawOpKind::kFrameRect);
}

void KW_API FillOval(ADMDrawerRef drawer, const ASRect* rect) {
  KW_SUITE_CALL_OR();
  DrawRect(drawer, rect, call, DrawOpKind::kFillOval);
}

void KW_API FramePolygon(ADMDrawerRef drawer, const ASPoint* points, int32_t count) {
  KW_SUITE_CALL_OR();
  DrawerRecord* record = Find(drawer, call);
  if (record == nullptr) return;
  if (count < 0 || (count > 0 && !NonNull(points, call, "point array"))) {
    if (count < 0) Host::Current().RecordMisbehaviour(call, "passed a negative point count");
    return;
  }
  Record(*record, DrawOpKind::kFramePolygon);
  record->ops.back().points.assign(points, points + count);
}

void KW_API DrawResPictureCentered(ADMDrawerRef drawer, SPPluginRef plugin, int32_t pictureId,
                                   const ASRect* rect) {
  KW_SUITE_CALL_OR();
  Host& host = Host::Current();
  DrawerRecord* record = Find(drawer, call);
  if (record == nullptr || !NonNull(rect, call, "rectangle")) return;
  if (plugin != host.PluginRef()) {
    host.RecordMisbehaviour(call, "passed an unknown plug-in reference");
    return;
  }
  const DialogResourceSource* resources = host.Dialogs().Resources();
  if (resources == nullptr || !resources->Image(pictureId)) {
    host.RecordMisbehaviour(call, "no picture resource " + std::to_string(pictureId));
    return;
  }
  Record(*record, DrawOpKind::kPicture, *rect);
  record->ops.back().pictureId = pictureId;
}

}  // namespace

const ADMDrawerSuite* ADMDrawerSuiteTable() {
  static const ADMDrawerSuite table = {
      &GetBoundsRect, &SetADMColor, &SetRGBColor,  &FillRect,
      &FrameRect,     &FillOval,    &FramePolygon, &DrawResPictureCentered,
  };
  return &table;
}

}  // namespace standin
