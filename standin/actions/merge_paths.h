// Merge overlapping paths: the selected shapes are united, each group of overlapping shapes into
// one path (holes as further subpaths of a compound path) painted as the topmost of the group.
#ifndef KERFWORKS_STANDIN_ACTIONS_MERGE_PATHS_H
#define KERFWORKS_STANDIN_ACTIONS_MERGE_PATHS_H

#include "standin/actions/host_action.h"

namespace standin {

// A shape that overlaps no other stays as it was, curves and all. A play with 'xpnd' expands the
// result of the play before, which the stand-in leaves expanded already: it changes nothing.
class MergePathsAction : public HostAction {
 public:
  AIErr Play(ActionPlay& play, Host& host) const override;
};

}  // namespace standin

#endif  // KERFWORKS_STANDIN_ACTIONS_MERGE_PATHS_H
