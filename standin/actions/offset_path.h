// Offset path: every selected shape gets a new path at the offset distance directly behind it.
#ifndef KERFWORKS_STANDIN_ACTIONS_OFFSET_PATH_H
#define KERFWORKS_STANDIN_ACTIONS_OFFSET_PATH_H

#include "standin/actions/host_action.h"
#include "standin/actions/polygons.h"
#include "standin/model/offset_dialog.h"

namespace standin {

// The area grown by `settings.offset` (shrunk when negative), joins and miter limit as set.
ClipperLib::Paths OffsetArea(const ClipperLib::Paths& area, const OffsetSettings& settings);

// The play's 'ofst', 'jntp' and 'mitr' (else the dialog's own defaults) preset the dialog when the
// play asks for it (dialog status 1) and are used as they are otherwise. The original is kept,
// ungrouped, and deselected; the new path takes its paint and the selection. A shape whose offset
// vanishes gets nothing.
class OffsetPathAction : public HostAction {
 public:
  AIErr Play(ActionPlay& play, Host& host) const override;
};

}  // namespace standin

#endif  // KERFWORKS_STANDIN_ACTIONS_OFFSET_PATH_H
