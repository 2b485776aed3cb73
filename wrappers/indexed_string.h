// One entry of the plug-in's string resources, read through ADM Basic into a caller's buffer.
#ifndef KERFWORKS_WRAPPERS_INDEXED_STRING_H
#define KERFWORKS_WRAPPERS_INDEXED_STRING_H

#include <cstdint>

#include "hostapi/host_types.h"

namespace ai {

// Reads entry `index` of string list `listId` into `buffer` (`capacity` > 0 bytes). The buffer is
// always terminated, even when the host fills it to the last byte; when the host fails it is
// left empty and the answer is false.
bool ReadIndexedString(SPPluginRef plugin, std::int32_t listId, std::int32_t index, char* buffer,
                       std::int32_t capacity);

}  // namespace ai

#endif  // KERFWORKS_WRAPPERS_INDEXED_STRING_H
