#include <algorithm>
#include <limits>

#include "hostapi/suites.h"
#include "standin/suites/document_access.h"
#include "standin/suites/tables.h"

namespace standin {
namespace {

constexpr char kSuite[] = kAIPathSuite;
constexpr int kMaxSegments = std::numeric_limits<int16_t>::max();

ArtObject* ResolvePath(const SuiteCall& call, AIArtHandle path, ASErr* err) {
  return ResolveArtOfType(call, path, kPathArt, kPathArt, err);
}

AIErr KW_API GetPathSegmentCount(AIArtHandle path, int16_t* count) {
  if (count != nullptr) *count = 0;
  KW_SUITE_CALL();
  ASErr err = kNoErr;
  if (Missing(call, count, "count pointer", &err)) return err;
  const ArtObject* object = ResolvePath(call, path, &err);
  if (object != nullptr) *count = static_cast<int16_t>(object->segments.size());
  return err;
}

AIErr KW_API SetPathSegmentCount(AIArtHandle path, int16_t count) {
  KW_SUITE_CALL();
  ASErr err = kNoErr;
  ArtObject* object = ResolvePath(call, path, &err);
  if (object == nullptr) return err;
  if (count < 0) return Misuse(call, "asked for " + std::to_string(count) + " segments");
  object->segments.resize(static_cast<std::size_t>(count), AIPathSegment{});
  return kNoErr;
}

AIErr KW_API GetPathSegments(AIArtHandle path, int16_t start, int16_t count,
                             AIPathSegment* segments) {
  KW_SUITE_CALL();
  ASErr err = kNoErr;
  const ArtObject* object = ResolvePath(call, path, &err);
  if (object == nullptr) return err;
  if (count > 0 && Missing(call, segments, "segment array", &err)) return err;
  const int size = static_cast<int>(object->segments.size());
  if (start < 0 || count < 0 || start + count > size) {
    return Misuse(call, "asked for segments " + std::to_string(start) + ".." +
                            std::to_string(start + count - 1) + " of " + std::to_string(size));
  }
  std::copy_n(object->segments.begin() + start, count, segments);
  return kNoErr;
}

AIErr KW_API SetPathSegments(AIArtHandle path, int16_t start, int16_t count,
                             const AIPathSegment* segments) {
  KW_SUITE_CALL();
  ASErr err = kNoErr;
  ArtObject* object = ResolvePath(call, path, &err);
  if (object == nullptr) return err;
  if (count > 0 && Missing(call, segments, "segment array", &err)) return err;
  const int size = static_cast<int>(object->segments.size());
  if (start < 0 || count < 0 || start > size || start + count > kMaxSegments) {
    return Misuse(call, "set segments from " + std::to_string(start) + ", " +
                            std::to_string(count) + " of them, on a path of " +
                            std::to_string(size));
  }
  const std::size_t end = static_cast<std::size_t>(start + count);
  if (end > object->segments.size()) object->segments.resize(end);
  std::copy_n(segments, count, object->segments.begin() + start);
  return kNoErr;
}

AIErr KW_API GetPathClosed(AIArtHandle path, AIBoolean* closed) {
  if (closed != nullptr) *closed = false;
  KW_SUITE_CALL();
  ASErr err = kNoErr;
  if (Missing(call, closed, "closed pointer", &err)) return err;
  const ArtObject* object = ResolvePath(call, path, &err);
  if (object != nullptr) *closed = object->closed;
  return err;
}

AIErr KW_API SetPathClosed(AIArtHandle path, AIBoolean closed) {
  KW_SUITE_CALL();
  ASErr err = kNoErr;
  ArtObject* object = ResolvePath(call, path, &err);
  if (object != nullptr) object->closed = closed != 0;
  return err;
}

}  // namespace

const AIPathSuite* AIPathSuiteTable() {
  static const AIPathSuite table = {&GetPathSegmentCount, &SetPathSegmentCount, &GetPathSegments,
                                    &SetPathSegments,     &GetPathClosed,       &SetPathClosed};
  return &table;
}

}  // namespace standin
