// The offset added to every coordinate of the cut file: the document's ruler origin, and with
// crop marks a shift that puts the origin at the lower-left corner of the square around the
// lower-left registration circle, whatever the machine type.
#ifndef KERFWORKS_OUTPUT_OUTPUT_OFFSET_H
#define KERFWORKS_OUTPUT_OUTPUT_OFFSET_H

#include "hostapi/host_types.h"

// Needs sAIDocument; reads the current crop settings. Each step is rounded to float.
AIRealPoint ComputeOutputOffset(bool hasCropMarks);

#endif  // KERFWORKS_OUTPUT_OUTPUT_OFFSET_H
