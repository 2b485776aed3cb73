#include "cropmarks/crop_mark_shapes.h"

#include <cstdio>

#include "cropmarks/crop_mark_rect.h"
#include "wrappers/host_suites.h"

namespace {

constexpr char kMarkNumberFormat[] = "%04d";
// Half the handle length of a four-segment Bezier circle of radius 1.
constexpr double kHalfCircleHandle = 0.276142374;
constexpr float kCornerStrokeWidth = 0.5f;

bool HasDocument() {
  AIDocumentHandle document = nullptr;
  return sAIDocument->GetDocument(&document) == kNoErr;
}

AIRealPoint RulerOrigin() {
  AIRealPoint origin{};
  sAIDocument->GetDocumentRulerOrigin(&origin);
  return origin;
}

AIArtHandle NewPath() {
  AIArtHandle art = nullptr;
  if (sAIArt->NewArt(kPathArt, kPlaceBelowAll, nullptr, &art) != kNoErr) return nullptr;
  return art;
}

AIColor ProcessBlack() {
  AIColor color{};
  color.kind = kFourColor;
  color.c.f = {0.0f, 0.0f, 0.0f, 1.0f};
  return color;
}

// Read, change, write back: fields not named here keep what the host gave the new path.
void SetMarkStyle(AIArtHandle art, bool filled) {
  AIPathStyle style{};
  sAIPathStyle->GetPathStyle(art, &style);
  style.fillPaint = filled;
  style.fill.color = ProcessBlack();
  style.fill.overprint = filled;
  style.strokePaint = !filled;
  style.stroke.color = ProcessBlack();
  style.stroke.width = filled ? 0.0f : kCornerStrokeWidth;
  style.stroke.dash.length = 0;
  style.clip = false;
  style.lockClip = false;
  style.evenodd = false;
  sAIPathStyle->SetPathStyle(art, &style);
}

void TagAndLock(AIArtHandle art, std::int16_t number) {
  char value[16];
  std::snprintf(value, sizeof value, kMarkNumberFormat, number);
  sAITag->SetTag(art, kCropMarkTag, kAITagKindString, value);
  sAIArt->SetArtUserAttr(art, kArtLocked, kArtLocked);
}

AIPathSegment Segment(AIRealPoint p, AIRealPoint in, AIRealPoint out, bool corner) {
  return AIPathSegment{p, in, out, corner};
}

AIPathSegment CornerPoint(float x, float y) {
  const AIRealPoint p{x, y};
  return Segment(p, p, p, true);
}

// One open stroke of two or three corner anchors, finished before the next is started.
void AddStroke(const AIPathSegment* anchors, std::int16_t count, std::int16_t number) {
  AIArtHandle art = NewPath();
  if (art == nullptr) return;
  sAIPath->SetPathSegments(art, 0, count, anchors);
  sAIPath->SetPathClosed(art, false);
  SetMarkStyle(art, false);
  TagAndLock(art, number);
}

}  // namespace

void AddRegistrationCircle(float x, float y, float r, std::int16_t number) {
  if (!HasDocument()) return;
  const AIRealPoint origin = RulerOrigin();
  x -= origin.h;
  y -= origin.v;
  AIArtHandle art = NewPath();
  if (art == nullptr) return;

  const float k = static_cast<float>(r * kHalfCircleHandle * 2);
  // Only the top anchor is flagged a corner; the flag does not change the drawn shape.
  const AIPathSegment segments[4] = {
      Segment({x + r, y}, {x + r, y + k}, {x + r, y - k}, false),  // right
      Segment({x, y - r}, {x + k, y - r}, {x - k, y - r}, false),  // bottom
      Segment({x - r, y}, {x - r, y - k}, {x - r, y + k}, false),  // left
      Segment({x, y + r}, {x - k, y + r}, {x + k, y + r}, true),   // top
  };
  sAIPath->SetPathSegments(art, 0, 4, segments);
  sAIPath->SetPathClosed(art, true);
  SetMarkStyle(art, true);
  TagAndLock(art, number);
}

void AddCornerStrokes(float left, float top, float right, float bottom, std::int16_t firstNumber) {
  if (!HasDocument()) return;
  const AIRealPoint origin = RulerOrigin();
  left -= origin.h;
  right -= origin.h;
  top -= origin.v;
  bottom -= origin.v;
  const float d = HundredthsToPoints(kCornerStrokeLength);

  const AIPathSegment lowerLeft[] = {CornerPoint(left - d, bottom), CornerPoint(left, bottom),
                                     CornerPoint(left, bottom - d)};
  const AIPathSegment tick[] = {CornerPoint(left - d, bottom - d), CornerPoint(left, bottom)};
  const AIPathSegment lowerRight[] = {CornerPoint(right + d, bottom), CornerPoint(right, bottom),
                                      CornerPoint(right, bottom - d)};
  const AIPathSegment upperLeft[] = {CornerPoint(left - d, top), CornerPoint(left, top),
                                     CornerPoint(left, top + d)};
  const AIPathSegment upperRight[] = {CornerPoint(right + d, top), CornerPoint(right, top),
                                      CornerPoint(right, top + d)};
  AddStroke(lowerLeft, 3, firstNumber);
  AddStroke(tick, 2, static_cast<std::int16_t>(firstNumber + 1));
  AddStroke(lowerRight, 3, static_cast<std::int16_t>(firstNumber + 2));
  AddStroke(upperLeft, 3, static_cast<std::int16_t>(firstNumber + 3));
  AddStroke(upperRight, 3, static_cast<std::int16_t>(firstNumber + 4));
}
