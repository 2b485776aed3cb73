#include "crop_mark_host.h"

#include <algorithm>

#include "cropmarks/crop_mark_shapes.h"
#include "standin/scenario/document_builder.h"
#include "wrappers/host_suites.h"

namespace cropmarks_test {

namespace {

struct SuiteSlot {
  const char* name;
  int32_t version;
  const void** variable;
};

const SuiteSlot kSuites[] = {
    {kAIDocumentSuite, kAIDocumentSuiteVersion, reinterpret_cast<const void**>(&sAIDocument)},
    {kAIArtSuite, kAIArtSuiteVersion, reinterpret_cast<const void**>(&sAIArt)},
    {kAIPathSuite, kAIPathSuiteVersion, reinterpret_cast<const void**>(&sAIPath)},
    {kAIPathStyleSuite, kAIPathStyleSuiteVersion, reinterpret_cast<const void**>(&sAIPathStyle)},
    {kAITagSuite, kAITagSuiteVersion, reinterpret_cast<const void**>(&sAITag)},
    {kAILayerSuite, kAILayerSuiteVersion, reinterpret_cast<const void**>(&sAILayer)},
    {kAIMatchingArtSuite, kAIMatchingArtSuiteVersion,
     reinterpret_cast<const void**>(&sAIMatchingArt)},
};

}  // namespace

void CropMarkHost::SetUp() {
  Run([&] {
    for (const SuiteSlot& slot : kSuites) {
      ASSERT_EQ(host_.BasicSuite()->AcquireSuite(slot.name, slot.version, slot.variable), kNoErr)
          << slot.name;
    }
  });
  UseSettings(CropMarkSettings{1500, 2000, 17000, 21000, 3});
  standin::DocumentBuilder document(host_.Documents());
  document.Page(595.275574f, kA4Height);
}

void CropMarkHost::TearDown() {
  host_.Gate().ClearFailure();
  Run([&] {
    for (const SuiteSlot& slot : kSuites) {
      if (*slot.variable == nullptr) continue;
      EXPECT_EQ(host_.BasicSuite()->ReleaseSuite(slot.name, slot.version), kNoErr) << slot.name;
      *slot.variable = nullptr;
    }
  });
  EXPECT_EQ(host_.Leftovers(), std::vector<std::string>{});
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
