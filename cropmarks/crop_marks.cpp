#include "cropmarks/crop_marks.h"

#include <algorithm>
#include <vector>

#include "cropmarks/crop_mark_rect.h"
#include "cropmarks/crop_mark_shapes.h"
#include "plugin/host_suites.h"

namespace {

// Every art object of the current document, in the host's order (a parent before its children).
class DocumentArt {
 public:
  DocumentArt() {
    const AIMatchingArtSpec everything{kAnyArt, 0, 0};
    if (sAIMatchingArt->GetMatchingArt(&everything, 1, &list_, &count_) != kNoErr) {
      list_ = nullptr;
      count_ = 0;
    }
    if (list_ == nullptr || count_ < 0) count_ = 0;
  }
  DocumentArt(const DocumentArt&) = delete;
  DocumentArt& operator=(const DocumentArt&) = delete;
  ~DocumentArt() {
    if (list_ != nullptr) sAIMatchingArt->ReleaseArtList(list_);
  }

  const AIArtHandle* begin() const { return list_; }
  const AIArtHandle* end() const { return list_ + count_; }

 private:
  AIArtHandle* list_ = nullptr;
  std::int32_t count_ = 0;
};

std::vector<AIArtHandle> TaggedArt() {
  std::vector<AIArtHandle> tagged;
  DocumentArt art;
  for (AIArtHandle object : art) {
    if (CarriesCropMarkTag(object)) tagged.push_back(object);
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
  if (MeasuresFromTop(type)) {
    AddRegistrationCircle(rect.left, rect.top, r, 1);
    AddRegistrationCircle(rect.right, rect.top, r, 2);
    AddRegistrationCircle(rect.left, rect.bottom, r, 3);
    return;
  }
  AddRegistrationCircle(rect.left, rect.bottom, r, 1);
  AddRegistrationCircle(rect.right, rect.bottom, r, 2);
  AddRegistrationCircle(rect.left, rect.top, r, 3);
  if (!HasCornerStrokes(type)) return;
  AddRegistrationCircle(rect.right, rect.top, r, 4);
  AddCornerStrokes(rect.left - r, rect.top + r, rect.right + r, rect.bottom - r, 5);
}

}  // namespace

bool CarriesCropMarkTag(AIArtHandle art) {
  return sAITag->GetTag(art, kCropMarkTag, kAITagKindString, nullptr) == kNoErr;
}

bool DocumentHasCropMarks() {
  bool found = false;
  DocumentArt art;
  // Every object is asked, also after a mark has been found.
  for (AIArtHandle object : art) found = CarriesCropMarkTag(object) || found;
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
