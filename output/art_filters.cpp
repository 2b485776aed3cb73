#include "output/art_filters.h"

#include "output/settings.h"
#include "wrappers/host_suites.h"

bool HasArtTag(AIArtHandle art, const char* name) {
  const char* value = nullptr;
  return sAITag->GetTag(art, name, kAITagKindString, &value) == kNoErr;
}

bool PassesPaintTest(AIArtHandle art) {
  const int paintClass =
      2 * (sAIArt->ArtHasStroke(art) ? 1 : 0) + (sAIArt->ArtHasFill(art) ? 1 : 0);
  return ((kADM_selectionCode >> paintClass) & 1) != 0;
}

bool OnLayer(AIArtHandle art, AILayerHandle layer) {
  AILayerHandle artLayer = nullptr;
  sAIArt->GetArtLayer(art, &artLayer);
  return artLayer == layer;
}

bool IsPathArt(AIArtHandle art) {
  std::int16_t type = kUnknownArt;
  sAIArt->GetArtType(art, &type);
  return type == kPathArt;
}
