// What the preview draws of one path and of the crop marks.
#include <algorithm>
#include <cstdint>

#include "cropmarks/preview.h"
#include "wrappers/ai_error.h"
#include "wrappers/host_block.h"
#include "wrappers/host_suites.h"

namespace {

constexpr char kSegmentsBlockName[] = "preview segments";
constexpr char kPixelsBlockName[] = "preview pixels";
constexpr char kPointsBlockName[] = "preview flattened points";
// What the preview asks the host's flattening for.
constexpr AIReal kFlattenResolution = 2000.0f;
constexpr AIReal kFlattenFlatness = 1.0f;
constexpr ADMRGBColor kInnerAreaGrey{0xF000, 0xF000, 0xF000};
constexpr ADMRGBColor kRgbBlack{0, 0, 0};

// The allocator the host's flattening returns its point list in.
void* KW_API AllocatePoints(size_t size) {
  void* block = nullptr;
  if (sSPBlocks->AllocateBlock(size, kPointsBlockName, &block) != kNoErr) return nullptr;
  return block;
}

void KW_API DisposePoints(void* block) {
  if (block != nullptr) sSPBlocks->FreeBlock(block);
}

const AIPathConstructionMemoryObject kPointMemory{&AllocatePoints, &DisposePoints};

// The host's point list, given back through the same allocator.
class FlattenedPoints {
 public:
  FlattenedPoints(std::int32_t segmentCount, const AIPathSegment* segments) {
    if (sAIPathConstruction->SegmentsToPoints(segmentCount, segments, kFlattenResolution,
                                              kFlattenFlatness, &kPointMemory, &count_,
                                              &points_) != kNoErr ||
        count_ < 0) {
      count_ = 0;
    }
  }
  FlattenedPoints(const FlattenedPoints&) = delete;
  FlattenedPoints& operator=(const FlattenedPoints&) = delete;
  ~FlattenedPoints() { Release(); }
  void Release() {
    DisposePoints(points_);
    points_ = nullptr;
  }
  std::int32_t Count() const { return points_ == nullptr ? 0 : count_; }
  const AIPathConstructionPoint* Points() const { return points_; }

 private:
  std::int32_t count_ = 0;
  AIPathConstructionPoint* points_ = nullptr;
};

// The rectangle spanned by two corners, whichever way round they come.
ASRect Spanned(ASPoint a, ASPoint b) {
  return {std::min(a.h, b.h), std::min(a.v, b.v), std::max(a.h, b.h), std::max(a.v, b.v)};
}

// Whole points toward zero, as the crop-mark pictures are placed.
float WholePoints(float value) {
  return static_cast<float>(static_cast<std::int32_t>(value));
}

// A page point, cut to whole points and shifted by the margin, on screen.
ASPoint MarkCorner(const PreviewFrame& frame, float x, float y) {
  return PreviewPoint(frame, WholePoints(x) - frame.marginShiftX,
                      WholePoints(y) - frame.marginShiftY);
}

}  // namespace

void DrawPathOutline(AIArtHandle art, const PreviewFrame& frame, float shiftX, float shiftY,
                     ADMDrawerRef drawer) {
  std::int16_t segmentCount = 0;
  sAIPath->GetPathSegmentCount(art, &segmentCount);
  if (segmentCount <= 0) return;
  try {
    const ai::HostBlock segmentBlock((segmentCount + 1) * sizeof(AIPathSegment),
                                     kSegmentsBlockName);
    AIPathSegment* segments = segmentBlock.As<AIPathSegment>();
    sAIPath->GetPathSegments(art, 0, segmentCount, segments);
    AIBoolean closed = 0;
    sAIPath->GetPathClosed(art, &closed);
    std::int32_t count = segmentCount;
    if (closed) segments[count++] = segments[0];

    FlattenedPoints flattened(count, segments);
    if (flattened.Count() == 0) return;
    const ai::HostBlock pixelBlock(flattened.Count() * sizeof(ASPoint), kPixelsBlockName);
    ASPoint* pixels = pixelBlock.As<ASPoint>();
    const AIPathConstructionPoint* points = flattened.Points();
    for (std::int32_t i = 0; i < flattened.Count(); ++i) {
      pixels[i] = PreviewPoint(frame, points[i].point.h + shiftX, points[i].point.v + shiftY);
    }
    const std::int32_t pixelCount = flattened.Count();
    flattened.Release();
    sADMDrawer->FramePolygon(drawer, pixels, pixelCount);
  } catch (const ai::Error&) {
    // The host has no block for this path: it is left out of the preview.
  }
}

void DrawInnerArea(const CropMarkRect& marks, float radius, const PreviewFrame& frame,
                   ADMDrawerRef drawer) {
  const ASPoint lowerLeft = MarkCorner(frame, marks.left + radius, marks.bottom + radius);
  const ASPoint upperRight = MarkCorner(frame, marks.right - radius, marks.top - radius);
  const ASRect area = Spanned(lowerLeft, upperRight);
  sADMDrawer->SetRGBColor(drawer, &kInnerAreaGrey);
  sADMDrawer->FillRect(drawer, &area);
  sADMDrawer->SetRGBColor(drawer, &kRgbBlack);
}

void DrawCircleMark(float x, float y, float r, const PreviewFrame& frame, ADMDrawerRef drawer) {
  const ASRect square = Spanned(MarkCorner(frame, x - r, y - r), MarkCorner(frame, x + r, y + r));
  sADMDrawer->FillOval(drawer, &square);
}
