#include <cstdio>

#include "commands/commands.h"
#include "output/art_filters.h"
#include "output/cut_mark_tag.h"
#include "wrappers/art_list.h"
#include "wrappers/host_suites.h"

namespace {

constexpr char kMarkValueFormat[] = "%04d";
// Room for any int32 in that format with its terminator.
constexpr int kMarkValueCapacity = 12;

bool AllPathsMarked(const ArtList& selection) {
  for (AIArtHandle art : selection) {
    if (IsPathArt(art) && !HasArtTag(art, kCutMarkTag)) return false;
  }
  return true;
}

}  // namespace

void MarkPathsCommand() {
  const ArtList selection(ArtList::Which::kSelected);
  const bool unmark = AllPathsMarked(selection);
  // The value records how many objects were selected when the mark was set; readers ignore it.
  char value[kMarkValueCapacity];
  std::snprintf(value, sizeof value, kMarkValueFormat, static_cast<int>(selection.Count()));
  for (AIArtHandle art : selection) {
    if (!IsPathArt(art)) continue;
    const bool marked = HasArtTag(art, kCutMarkTag);
    if (unmark && marked) {
      sAITag->RemoveTag(art, kCutMarkTag);
    } else if (!unmark && !marked) {
      sAITag->SetTag(art, kCutMarkTag, kAITagKindString, value);
    }
  }
}
