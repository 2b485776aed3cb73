// One host action the stand-in carries out on the current document when the plug-in plays it.
#ifndef KERFWORKS_STANDIN_ACTIONS_HOST_ACTION_H
#define KERFWORKS_STANDIN_ACTIONS_HOST_ACTION_H

#include "standin/model/actions.h"

namespace standin {

class Host;

class HostAction {
 public:
  virtual ~HostAction() = default;
  // Changes the current document as the action does (a cancelled dialog changes nothing).
  // kNoDocumentErr without a document.
  virtual AIErr Play(ActionPlay& play, Host& host) const = 0;
};

}  // namespace standin

#endif  // KERFWORKS_STANDIN_ACTIONS_HOST_ACTION_H
