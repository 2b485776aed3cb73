#include "crop_mark_host.h"

#include <algorithm>

#include "cropmarks/crop_mark_shapes.h"
#include "standin/scenario/document_builder.h"
#include "wrappers/host_suites.h"

namespace cropmarks_test {

void CropMarkHost::SetUp() {
  PluginHostTest::SetUp();
  UseSettings(CropMarkSettings{1500, 2000, 17000, 21000, 3});
  standin::DocumentBuilder document(host_.Documents());
  document.Page(595.275574f, kA4Height);
}

void CropMarkHost::UseSettings(CropMarkSettings settings) {
  gCropMarkSettings = settings;
  gCropMarkRadius = kCropMarkRadius;
}

void CropMarkHost::SetPage(float height, AIRealPoint rulerOrigin) {
  standin::Document* document = host_.Documents().Current();
  ASSERT_NE(document, nullptr);
  document->setup.height = height;
  document->rulerOrigin = rulerOrigin;
}

void CropMarkHost::CloseDocument() {
  host_.Documents().Close();
}

int CropMarkHost::Redraws() {
  const standin::Document* document = host_.Documents().Current();
  return document == nullptr ? 0 : document->redraws;
}

std::vector<Mark> CropMarkHost::Art() {
  std::vector<Mark> marks;
  Run([&] {
    const AIMatchingArtSpec everything{kAnyArt, 0, 0};
    AIArtHandle* list = nullptr;
    int32_t count = 0;
    ASSERT_EQ(sAIMatchingArt->GetMatchingArt(&everything, 1, &list, &count), kNoErr);
    for (int32_t i = 0; i < count; ++i) {
      Mark mark;
      mark.art = list[i];
      EXPECT_EQ(sAIArt->GetArtType(mark.art, &mark.type), kNoErr);
      const char* value = nullptr;
      mark.tagged = sAITag->GetTag(mark.art, kCropMarkTag, kAITagKindString, &value) == kNoErr;
      if (mark.tagged && value != nullptr) mark.number = value;
      int32_t attr = 0;
      EXPECT_EQ(sAIArt->GetArtUserAttr(mark.art, kArtLocked, &attr), kNoErr);
      mark.locked = attr == kArtLocked;
      if (mark.type == kPathArt) {
        AIBoolean closed = 0;
        EXPECT_EQ(sAIPath->GetPathClosed(mark.art, &closed), kNoErr);
        mark.closed = closed != 0;
        int16_t segments = 0;
        EXPECT_EQ(sAIPath->GetPathSegmentCount(mark.art, &segments), kNoErr);
        mark.segments.resize(static_cast<size_t>(segments));
        if (segments > 0) {
          EXPECT_EQ(sAIPath->GetPathSegments(mark.art, 0, segments, mark.segments.data()), kNoErr);
        }
        EXPECT_EQ(sAIPathStyle->GetPathStyle(mark.art, &mark.style), kNoErr);
      }
      marks.push_back(mark);
    }
    EXPECT_EQ(sAIMatchingArt->ReleaseArtList(list), kNoErr);
  });
  return marks;
}

std::vector<Mark> CropMarkHost::MarksByNumber() {
  std::vector<Mark> marks = Art();
  std::erase_if(marks, [](const Mark& mark) { return !mark.tagged; });
  std::stable_sort(marks.begin(), marks.end(),
                   [](const Mark& a, const Mark& b) { return a.number < b.number; });
  return marks;
}

AIArtHandle CropMarkHost::AddUserPath(bool tagged, AIArtHandle parent) {
  AIArtHandle art = nullptr;
  Run([&] {
    const int16_t where = parent == nullptr ? kPlaceAboveAll : kPlaceInsideOnTop;
    ASSERT_EQ(sAIArt->NewArt(kPathArt, where, parent, &art), kNoErr);
    const AIPathSegment anchors[2] = {{{1, 1}, {1, 1}, {1, 1}, 1}, {{9, 9}, {9, 9}, {9, 9}, 1}};
    EXPECT_EQ(sAIPath->SetPathSegments(art, 0, 2, anchors), kNoErr);
    if (tagged) {
      EXPECT_EQ(sAITag->SetTag(art, kCropMarkTag, kAITagKindString, "copy"), kNoErr);
    }
  });
  return art;
}

AIArtHandle CropMarkHost::AddUserGroup(bool tagged) {
  AIArtHandle art = nullptr;
  Run([&] {
    ASSERT_EQ(sAIArt->NewArt(kGroupArt, kPlaceAboveAll, nullptr, &art), kNoErr);
    if (tagged) {
      EXPECT_EQ(sAITag->SetTag(art, kCropMarkTag, kAITagKindString, "group"), kNoErr);
    }
  });
  return art;
}

}  // namespace cropmarks_test
