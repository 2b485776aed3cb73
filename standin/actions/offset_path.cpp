#include "standin/actions/offset_path.h"

#include <algorithm>
#include <cmath>

#include "standin/actions/bevel_band.h"
#include "standin/actions/shapes_in_document.h"
#include "standin/core/host.h"

namespace standin {
namespace {

OffsetSettings Preset(const ActionPlay& play) {
  OffsetSettings settings;
  if (const ActionParam* offset = play.Find(FourCharCode("ofst"))) settings.offset = offset->real;
  if (const ActionParam* join = play.Find(FourCharCode("jntp"))) {
    const auto named = JoinNamed(join->name);
    settings.join = named ? *named : static_cast<OffsetJoin>(std::clamp(join->number, 0, 2));
  }
  if (const ActionParam* limit = play.Find(FourCharCode("mitr"))) settings.miterLimit = limit->real;
  return settings;
}

// The area grown by the band along its boundary, or shrunk by it when the offset is negative.
ClipperLib::Paths BandOffsetArea(const ClipperLib::Paths& area, double offset, double miterLimit) {
  std::vector<Polyline> boundary;
  for (const ClipperLib::Path& polygon : area) boundary.push_back({polygon, true});
  ClipperLib::Clipper clipper;
  clipper.AddPaths(area, ClipperLib::ptSubject, true);
  // The area's polygons keep it on their left, so the band grows it on their right and shrinks
  // it on their left.
  const double reach = std::abs(offset) * kGridPerPoint;
  clipper.AddPaths(BevelBand(boundary, offset > 0 ? BandReach{0, reach, miterLimit}
                                                  : BandReach{reach, 0, miterLimit}),
                   ClipperLib::ptClip, true);
  ClipperLib::PolyTree tree;
  clipper.Execute(offset > 0 ? ClipperLib::ctUnion : ClipperLib::ctDifference, tree,
                  ClipperLib::pftNonZero, ClipperLib::pftNonZero);
  return WithoutSlivers(AllPolygons(tree));
}

}  // namespace

ClipperLib::Paths OffsetArea(const ClipperLib::Paths& area, const OffsetSettings& settings) {
  if (settings.join != OffsetJoin::kRound) {
    return BandOffsetArea(area, settings.offset,
                          settings.join == OffsetJoin::kMiter ? settings.miterLimit : 0);
  }
  ClipperLib::ClipperOffset offset(2, kFlatness * kGridPerPoint);
  offset.AddPaths(area, ClipperLib::jtRound, ClipperLib::etClosedPolygon);
  ClipperLib::PolyTree tree;
  offset.Execute(tree, settings.offset * kGridPerPoint);
  return AllPolygons(tree);
}

AIErr OffsetPathAction::Play(ActionPlay& play, Host& host) const {
  DocumentModel& model = host.Documents();
  if (model.Current() == nullptr) return kNoDocumentErr;
  std::optional<OffsetSettings> settings = Preset(play);
  if (play.dialogStatus == kActionDialogOn) settings = AskOffset(host.Dialogs(), *settings);
  if (!settings) {
    play.outcome.cancelled = true;
    return kNoErr;
  }
  for (AIArtHandle art : SelectedShapes(model)) {
    ArtObject& object = *model.FindArt(art);
    const ClipperLib::Paths area = FilledArea(FlattenArt(model, art), object.style.evenodd != 0);
    AIPathStyle style = object.style;
    style.evenodd = 0;
    if (PlaceShape(model, OffsetArea(area, *settings), style, {kPlaceBelow, art}) == nullptr) {
      continue;
    }
    ++play.outcome.added;
    object.attributes &= ~kArtSelected;
    for (AIArtHandle part : object.children) model.FindArt(part)->attributes &= ~kArtSelected;
  }
  return kNoErr;
}

}  // namespace standin
