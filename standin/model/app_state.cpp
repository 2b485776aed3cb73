#include "standin/model/app_state.h"

namespace standin {

std::optional<AINotifierHandle> AppState::FindNotifier(const std::string& type) const {
  for (AINotifierHandle handle : notifierOrder) {
    const NotifierRecord* record = notifiers.Find(handle);
    if (record != nullptr && record->type == type) return handle;
  }
  return std::nullopt;
}

}  // namespace standin
