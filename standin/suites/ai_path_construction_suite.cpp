#include <algorithm>
#include <cmath>
#include <cstring>

#include "hostapi/suites.h"
#include "standin/model/flatten.h"
#include "standin/suites/document_access.h"
#include "standin/suites/tables.h"

namespace standin {
namespace {

constexpr char kSuite[] = kAIPathConstructionSuite;

AIErr KW_API SegmentsToPoints(int32_t segmentCount, const AIPathSegment* segments,
                              AIReal resolution, AIReal flatness,
                              const AIPathConstructionMemoryObject* memory, int32_t* pointCount,
                              AIPathConstructionPoint** points) {
  if (pointCount != nullptr) *pointCount = 0;
  if (points != nullptr) *points = nullptr;
  KW_SUITE_CALL();
  ASErr err = kNoErr;
  if (Missing(call, pointCount, "point count pointer", &err) ||
      Missing(call, points, "point list pointer", &err) ||
      Missing(call, memory, "memory object", &err)) {
    return err;
  }
  if (memory->allocate == nullptr || memory->dispose == nullptr) {
    return Misuse(call, "passed a memory object without its functions");
  }
  if (segmentCount < 0) return Misuse(call, "passed " + std::to_string(segmentCount) + " segments");
  if (segmentCount > 0 && Missing(call, segments, "segment array", &err)) return err;
  if (!(std::isfinite(flatness) && flatness > 0)) return Misuse(call, "passed a flatness <= 0");
  if (!(std::isfinite(resolution) && resolution >= 1))
    return Misuse(call, "passed a resolution < 1");
  const auto flat = FlattenSegments(segments, static_cast<std::size_t>(segmentCount), flatness,
                                    static_cast<int>(std::min(resolution, AIReal{1e6})));
  if (flat.empty()) return kNoErr;
  void* block = memory->allocate(flat.size() * sizeof(AIPathConstructionPoint));
  if (block == nullptr) return kOutOfMemoryErr;
  std::memcpy(block, flat.data(), flat.size() * sizeof(AIPathConstructionPoint));
  *points = static_cast<AIPathConstructionPoint*>(block);
  *pointCount = static_cast<int32_t>(flat.size());
  return kNoErr;
}

}  // namespace

const AIPathConstructionSuite* AIPathConstructionSuiteTable() {
  static const AIPathConstructionSuite table = {&SegmentsToPoints};
  return &table;
}

}  // namespace standin
