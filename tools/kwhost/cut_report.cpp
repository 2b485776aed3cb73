#include "tools/kwhost/cut_report.h"

namespace kwhost {
namespace {

constexpr char kCutMarkTag[] = "KerfworksCutMark";
constexpr char kCropMarkTag[] = "KerfworksCropMark";

// The first test the art fails; empty when it is cut.
const char* SkipReason(const standin::ArtObject& art, const standin::Document& document,
                       const std::string& mode, std::int32_t paintClasses) {
  const int paintClass = 2 * (art.style.strokePaint ? 1 : 0) + (art.style.fillPaint ? 1 : 0);
  if (((paintClasses >> paintClass) & 1) == 0) return "paint class";
  if (mode == "layer" && art.layer != document.currentLayer) return "other layer";
  if (mode == "marked" && !art.tags.contains(kCutMarkTag)) return "not marked";
  if (art.tags.contains(kCropMarkTag)) return "crop mark";
  if (art.type != kPathArt) return "not a path";
  return "";
}

}  // namespace

CutCount CountCut(const standin::DocumentModel& model, const std::string& mode,
                  std::int32_t paintClasses) {
  CutCount count;
  const standin::Document* document = model.Current();
  if (document == nullptr) return count;
  for (AIArtHandle handle : model.PaintOrder()) {
    const standin::ArtObject& art = *model.FindArt(handle);
    if (mode == "selected" && (art.attributes & kArtSelected) == 0) continue;
    const std::string reason = SkipReason(art, *document, mode, paintClasses);
    if (reason.empty()) {
      ++count.written;
    } else {
      ++count.skipped[reason];
    }
  }
  return count;
}

}  // namespace kwhost
