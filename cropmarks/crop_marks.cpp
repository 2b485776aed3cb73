#include "cropmarks/crop_marks.h"

#include <algorithm>
#include <vector>

#include "cropmarks/crop_mark_rect.h"
#include "cropmarks/crop_mark_shapes.h"
#include "output/art_filters.h"
#include "wrappers/art_list.h"
#include "wrappers/host_suites.h"

namespace {

std::vector<AIArtHandle> TaggedArt() {
  std::vector<AIArtHandle> tagged;
  const ArtList art(ArtList::Which::kEvery);
  for (AIArtHandle object : art) {
    if (HasArtTag(object, kCropMarkTag)) tagged.push_back(object);
  }
  return tagged;
}

// Disposing of art disposes of its children too, so a tagged object inside another tagged one
// goes with its ancestor and must not be disposed of again.
bool InsideAnyOf(AIArtHandle art, const std::vector<AIArtHandle>& others) {
  AIArtHandle parent = nullptr;
  while (sAIArt->GetArtParent(art, &parent) == kNoErr && parent != nullptr) {
    if (std::find(others.begin(), others.end(), parent) != others.end()) return true;
    art = parent;
  }
  return false;
}

void AddCropMarkSet() {
  const float r = HundredthsToPoints(gCropMarkRadius);
  const CropMarkRect rect = ComputeCropMarkRect();
  const std::int32_t type = gCropMarkSettings.machineType;
  std::int16_t number = 0;
  for (const auto& [x, y] : CircleCorners(rect, type)) AddRegistrationCircle(x, y, r, ++number);
  if (!HasCornerStrokes(type)) return;
  AddCornerStrokes(rect.left - r, rect.top + r, rect.right + r, rect.bottom - r, ++number);
}

}  // namespace

bool DocumentHasCropMarks() {
  bool found = false;
  const ArtList art(ArtList::Which::kEvery);
  // Every object is asked, also after a mark has been found.
  for (AIArtHandle object : art) found = HasArtTag(object, kCropMarkTag) || found;
  return found;
}

void RemoveCropMarks() {
  const std::vector<AIArtHandle> tagged = TaggedArt();
  std::vector<AIArtHandle> outermost;
  for (AIArtHandle art : tagged) {
    if (!InsideAnyOf(art, tagged)) outermost.push_back(art);
  }
  for (AIArtHandle art : outermost) sAIArt->DisposeArt(art);
}

void SetCropMarks(bool on) {
  if (on) {
    AddCropMarkSet();
  } else {
    RemoveCropMarks();
  }
}

void ToggleCropMarks() {
  SetCropMarks(!DocumentHasCropMarks());
}

void RebuildCropMarks() {
  AIDocumentHandle document = nullptr;
  if (sAIDocument->GetDocument(&document) != kNoErr) return;
  RemoveCropMarks();
  SetCropMarks(true);
  sAIDocument->RedrawDocument();
}
