// The host's own work behind the actions the plug-in plays: outline text, outline stroke, merge
// and offset. Builds that lack the geometry and text libraries only record the plays.
#ifndef KERFWORKS_STANDIN_MODEL_HOST_ACTIONS_H
#define KERFWORKS_STANDIN_MODEL_HOST_ACTIONS_H

#include "standin/model/actions.h"

namespace standin {

class Host;

// Carries out a play that the action manager has recorded and lets succeed. kNoErr for events
// the stand-in does not know; otherwise the action's answer.
AIErr CarryOutAction(ActionPlay& play, Host& host);

}  // namespace standin

#endif  // KERFWORKS_STANDIN_MODEL_HOST_ACTIONS_H
