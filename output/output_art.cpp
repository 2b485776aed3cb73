#include "output/output_art.h"

#include "output/settings.h"
#include "wrappers/host_suites.h"

bool CollectOutputArt(AIArtHandle** list, std::int32_t* count) {
  *list = nullptr;
  *count = 0;
  AIErr error = kNoErr;
  if (kADM_bSelectObj) {
    error = sAIMatchingArt->GetSelectedArt(list, count);
  } else {
    const AIMatchingArtSpec anyArt{kAnyArt, 0, 0};
    error = sAIMatchingArt->GetMatchingArt(&anyArt, 1, list, count);
  }
  if (error == kNoErr) return true;
  *list = nullptr;
  *count = 0;
  return false;
}
