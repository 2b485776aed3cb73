// The art the output mode offers to the cut and to the preview, before the filters.
#ifndef KERFWORKS_OUTPUT_OUTPUT_ART_H
#define KERFWORKS_OUTPUT_OUTPUT_ART_H

#include <cstdint>

#include "hostapi/host_types.h"

// The selected art when "Output Selected Lines" is on, else all art of the document. True with
// the host's list (the caller releases it with the AI Matching Art Suite), false with (null, 0)
// when the host's request fails.
bool CollectOutputArt(AIArtHandle** list, std::int32_t* count);

#endif  // KERFWORKS_OUTPUT_OUTPUT_ART_H
