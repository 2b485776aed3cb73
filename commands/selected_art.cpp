#include "commands/selected_art.h"

#include "plugin/host_suites.h"

SelectedArt::SelectedArt() {
  if (sAIMatchingArt->GetSelectedArt(&list_, &count_) != kNoErr) {
    // Whatever the host left there is not a list of ours to give back.
    list_ = nullptr;
    count_ = 0;
  }
  if (list_ == nullptr || count_ < 0) count_ = 0;
}

SelectedArt::~SelectedArt() {
  if (list_ != nullptr) sAIMatchingArt->ReleaseArtList(list_);
}
