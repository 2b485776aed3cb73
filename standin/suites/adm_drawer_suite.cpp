// ADM Drawer Suite: a recording drawer. Every call is kept with its coordinates and the colour
// current after it, so that tests can see what the plug-in drew.
#include "hostapi/suites.h"
#include "standin/model/dialog_system.h"
#include "standin/suites/suite_call.h"
#include "standin/suites/tables.h"

namespace standin {
namespace {

constexpr char kSuite[] = kADMDrawerSuite;

DrawerRecord* Find(ADMDrawerRef drawer, const char* function) {
  return Host::Current().Dialogs().Drawer(drawer, SuiteCall(kSuite, function));
}

void Record(DrawerRecord& drawer, DrawOpKind kind, ASRect rect = {}) {
  drawer.ops.push_back({kind, drawer.color, rect, {}, 0});
}

void KW_API GetBoundsRect(ADMDrawerRef drawer, ASRect* bounds) {
  KW_GATE_OR(kSuite, "GetBoundsRect", );
  const DrawerRecord* record = Find(drawer, "GetBoundsRect");
  if (record != nullptr && NonNull(bounds, SuiteCall(kSuite, "GetBoundsRect"), "rectangle")) {
    *bounds = record->bounds;
  }
}

void KW_API SetADMColor(ADMDrawerRef drawer, int32_t color) {
  KW_GATE_OR(kSuite, "SetADMColor", );
  DrawerRecord* record = Find(drawer, "SetADMColor");
  if (record == nullptr) return;
  record->color = AdmColor(color);
  Record(*record, DrawOpKind::kSetColor);
}

void KW_API SetRGBColor(ADMDrawerRef drawer, const ADMRGBColor* color) {
  KW_GATE_OR(kSuite, "SetRGBColor", );
  DrawerRecord* record = Find(drawer, "SetRGBColor");
  if (record == nullptr || !NonNull(color, SuiteCall(kSuite, "SetRGBColor"), "colour")) return;
  record->color = RgbColor(color->red, color->green, color->blue);
  Record(*record, DrawOpKind::kSetColor);
}

void DrawRect(ADMDrawerRef drawer, const ASRect* rect, const char* function, DrawOpKind kind) {
  DrawerRecord* record = Find(drawer, function);
  if (record != nullptr && NonNull(rect, SuiteCall(kSuite, function), "rectangle")) {
    Record(*record, kind, *rect);
  }
}

void KW_API FillRect(ADMDrawerRef drawer, const ASRect* rect) {
  KW_GATE_OR(kSuite, "FillRect", );
  DrawRect(drawer, rect, "FillRect", DrawOpKind::kFillRect);
}

void KW_API FrameRect(ADMDrawerRef drawer, const ASRect* rect) {
  KW_GATE_OR(kSuite, "FrameRect", );
  DrawRect(drawer, rect, "FrameRect", DrawOpKind::kFrameRect);
}

void KW_API FillOval(ADMDrawerRef drawer, const ASRect* rect) {
  KW_GATE_OR(kSuite, "FillOval", );
  DrawRect(drawer, rect, "FillOval", DrawOpKind::kFillOval);
}

void KW_API FramePolygon(ADMDrawerRef drawer, const ASPoint* points, int32_t count) {
  KW_GATE_OR(kSuite, "FramePolygon", );
  const std::string call = SuiteCall(kSuite, "FramePolygon");
  DrawerRecord* record = Find(drawer, "FramePolygon");
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
  KW_GATE_OR(kSuite, "DrawResPictureCentered", );
  const std::string call = SuiteCall(kSuite, "DrawResPictureCentered");
  Host& host = Host::Current();
  DrawerRecord* record = Find(drawer, "DrawResPictureCentered");
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
