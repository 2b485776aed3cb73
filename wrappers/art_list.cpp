#include "wrappers/art_list.h"

#include "wrappers/host_suites.h"

ArtList::ArtList(Which which) {
  const AIMatchingArtSpec everything{kAnyArt, 0, 0};
  const ASErr error = which == Which::kSelected
                          ? sAIMatchingArt->GetSelectedArt(&list_, &count_)
                          : sAIMatchingArt->GetMatchingArt(&everything, 1, &list_, &count_);
  if (error != kNoErr) {
    // Whatever the host left there is not a list of ours to give back.
    list_ = nullptr;
    count_ = 0;
  }
  if (list_ == nullptr || count_ < 0) count_ = 0;
}

ArtList::~ArtList() {
  if (list_ != nullptr) sAIMatchingArt->ReleaseArtList(list_);
}
