#include "commands/cut_command.h"

#include "cropmarks/crop_mark_shapes.h"
#include "cropmarks/crop_marks.h"
#include "output/art_filters.h"
#include "output/cut_file.h"
#include "output/cut_mark_tag.h"
#include "output/launcher.h"
#include "output/output_art.h"
#include "output/output_offset.h"
#include "output/settings.h"
#include "wrappers/host_suites.h"

namespace {

// The filters in their order; the first that fails skips the art.
bool IsCut(AIArtHandle art, AILayerHandle currentLayer) {
  if (!PassesPaintTest(art)) return false;
  if (kADM_bCurrentLayer && !OnLayer(art, currentLayer)) return false;
  if (kADM_bMarkedObj && !HasArtTag(art, kCutMarkTag)) return false;
  if (HasArtTag(art, kCropMarkTag)) return false;
  return IsPathArt(art);
}

}  // namespace

void RunCutCommand(SPPluginRef plugin) {
  AILayerHandle currentLayer = nullptr;
  sAILayer->GetCurrentLayer(&currentLayer);
  AIArtHandle* list = nullptr;
  std::int32_t count = 0;
  if (!CollectOutputArt(&list, &count)) return;

  const bool hasCropMarks = DocumentHasCropMarks();
  BeginCutFile(hasCropMarks);
  for (std::int32_t i = 0; i < count; ++i) {
    if (!IsCut(list[i], currentLayer)) continue;
    const AIRealPoint offset = ComputeOutputOffset(hasCropMarks);
    WriteCutPath(list[i], offset.h, offset.v);
  }
  EndCutFile();
  sAIMatchingArt->ReleaseArtList(list);

  // A file that could not be written whole still holds the previous cut, or part of this one:
  // nothing is started on it, and the user is told.
  if (!CutFileWritten()) {
    ShowLauncherMessage(plugin, kCutFileNotWrittenMessage);
    return;
  }
  LaunchCuttingApplication(plugin);
}
