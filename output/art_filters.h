// The tests that decide whether an art object is output: shared by the cut command and the
// preview, which must show exactly the paths the cut writes. Host errors are not examined: a
// failed query answers as the zeroed result would.
#ifndef KERFWORKS_OUTPUT_ART_FILTERS_H
#define KERFWORKS_OUTPUT_ART_FILTERS_H

#include "hostapi/suites.h"

// Whether a lookup of tag `name` of kind "string" succeeds; a failed lookup counts as absent.
bool HasArtTag(AIArtHandle art, const char* name);

// Whether the art's paint class (2 * stroked + filled) passes kADM_selectionCode.
bool PassesPaintTest(AIArtHandle art);

// Whether the host reports the art on `layer`.
bool OnLayer(AIArtHandle art, AILayerHandle layer);

// Whether the art is path art.
bool IsPathArt(AIArtHandle art);

#endif  // KERFWORKS_OUTPUT_ART_FILTERS_H
