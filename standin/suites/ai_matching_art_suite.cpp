// Art lists. Every list holds art of the current document at any depth, in paint order: the bottom
// layer first, each layer's art back to front, a group or compound path before its contents (so
// the members of a group are entries of their own). Each list is a host-owned copy that the
// plug-in must give back with ReleaseArtList; a list not given back is a leftover. An empty
// answer is a null list with a count of 0 and needs no release.
#include <algorithm>

#include "hostapi/suites.h"
#include "standin/suites/document_access.h"
#include "standin/suites/tables.h"

namespace standin {
namespace {

constexpr char kSuite[] = kAIMatchingArtSuite;

bool Matches(const ArtObject& art, const AIMatchingArtSpec& spec) {
  const bool typeMatches = spec.type == kAnyArt || spec.type == art.type;
  return typeMatches && (art.attributes & spec.whichAttr) == (spec.attr & spec.whichAttr);
}

template <typename Predicate>
AIErr AnswerList(const SuiteCall& call, AIArtHandle** matches, int32_t* count, Predicate matching) {
  ASErr err = kNoErr;
  if (Missing(call, matches, "list pointer", &err) || Missing(call, count, "count pointer", &err)) {
    return err;
  }
  if (CurrentDocument(&err) == nullptr) return err;
  DocumentModel& documents = Host::Current().Documents();
  std::vector<AIArtHandle> found;
  for (AIArtHandle art : documents.PaintOrder()) {
    if (matching(*documents.FindArt(art))) found.push_back(art);
  }
  *matches = documents.NewArtList(found);
  *count = static_cast<int32_t>(found.size());
  return kNoErr;
}

AIErr KW_API GetSelectedArt(AIArtHandle** matches, int32_t* count) {
  if (matches != nullptr) *matches = nullptr;
  if (count != nullptr) *count = 0;
  KW_SUITE_CALL();
  return AnswerList(call, matches, count,
                    [](const ArtObject& art) { return (art.attributes & kArtSelected) != 0; });
}

AIErr KW_API GetMatchingArt(const AIMatchingArtSpec* specs, int16_t specCount,
                            AIArtHandle** matches, int32_t* count) {
  if (matches != nullptr) *matches = nullptr;
  if (count != nullptr) *count = 0;
  KW_SUITE_CALL();
  ASErr err = kNoErr;
  if (Missing(call, specs, "specification array", &err)) return err;
  if (specCount <= 0)
    return Misuse(call, "passed " + std::to_string(specCount) + " specifications");
  return AnswerList(call, matches, count, [&](const ArtObject& art) {
    return std::any_of(specs, specs + specCount,
                       [&](const AIMatchingArtSpec& spec) { return Matches(art, spec); });
  });
}

AIErr KW_API ReleaseArtList(AIArtHandle* matches) {
  KW_SUITE_CALL();
  if (matches == nullptr) return kNoErr;
  if (!Host::Current().Documents().ReleaseArtList(matches)) {
    return Misuse(call, "released a list the host did not hand out");
  }
  return kNoErr;
}

}  // namespace

const AIMatchingArtSuite* AIMatchingArtSuiteTable() {
  static const AIMatchingArtSuite table = {&GetSelectedArt, &GetMatchingArt, &ReleaseArtList};
  return &table;
}

}  // namespace standin
