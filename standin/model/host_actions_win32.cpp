// The Windows test build has no geometry or text libraries: plays are recorded only.
#include "standin/model/host_actions.h"

namespace standin {

AIErr CarryOutAction(ActionPlay&, Host&) {
  return kNoErr;
}

}  // namespace standin
