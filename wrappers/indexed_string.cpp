#include "wrappers/indexed_string.h"

#include "wrappers/host_suites.h"

namespace ai {

bool ReadIndexedString(SPPluginRef plugin, std::int32_t listId, std::int32_t index, char* buffer,
                       std::int32_t capacity) {
  buffer[0] = '\0';
  if (sADMBasic->GetIndexedString(plugin, listId, index, buffer, capacity) != kNoErr) {
    buffer[0] = '\0';
    return false;
  }
  buffer[capacity - 1] = '\0';
  return true;
}

}  // namespace ai
