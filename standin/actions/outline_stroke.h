// Outline stroke: every selected stroked path becomes a filled path of its stroke's outline.
#ifndef KERFWORKS_STANDIN_ACTIONS_OUTLINE_STROKE_H
#define KERFWORKS_STANDIN_ACTIONS_OUTLINE_STROKE_H

#include <vector>

#include "standin/actions/host_action.h"
#include "standin/actions/polygons.h"

namespace standin {

// The area a stroke covers: width, cap, join, miter limit and dashes of `stroke`, each dash
// outlined on its own.
ClipperLib::Paths StrokeArea(const std::vector<Polyline>& outlines, const AIStrokeStyle& stroke);

// Unstroked and unselected art stays as it is; the outline, filled in the stroke's colour and not
// stroked, takes the path's place and selection.
class OutlineStrokeAction : public HostAction {
 public:
  AIErr Play(ActionPlay& play, Host& host) const override;
};

}  // namespace standin

#endif  // KERFWORKS_STANDIN_ACTIONS_OUTLINE_STROKE_H
