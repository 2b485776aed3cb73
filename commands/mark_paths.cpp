#include <cstdio>

#include "commands/commands.h"
#include "commands/cut_mark.h"
#include "commands/selected_art.h"
#include "plugin/host_suites.h"

namespace {

constexpr char kMarkValueFormat[] = "%04d";
// Room for any int32 in that format with its terminator.
constexpr int kMarkValueCapacity = 12;

bool IsPath(AIArtHandle art) {
  std::int16_t type = kUnknownArt;
  sAIArt->GetArtType(art, &type);
  return type == kPathArt;
}

bool AllPathsMarked(const SelectedArt& selection) {
  for (AIArtHandle art : selection) {
    if (IsPath(art) && !CarriesCutMarkTag(art)) return false;
  }
  return true;
}

}  // namespace

bool CarriesCutMarkTag(AIArtHandle art) {
  return sAITag->GetTag(art, kCutMarkTag, kAITagKindString, nullptr) == kNoErr;
}

void MarkPathsCommand() {
  SelectedArt selection;
  const bool unmark = AllPathsMarked(selection);
  // The value records how many objects were selected when the mark was set; readers ignore it.
  char value[kMarkValueCapacity];
  std::snprintf(value, sizeof value, kMarkValueFormat, static_cast<int>(selection.Count()));
  for (AIArtHandle art : selection) {
    if (!IsPath(art)) continue;
    const bool marked = CarriesCutMarkTag(art);
    if (unmark && marked) {
      sAITag->RemoveTag(art, kCutMarkTag);
    } else if (!unmark && !marked) {
      sAITag->SetTag(art, kCutMarkTag, kAITagKindString, value);
    }
  }
}
