// The cut mark: a tag on a path that says it is to be cut in the marked output mode. Only its
// presence counts; a failed lookup of any kind reads as unmarked.
#ifndef KERFWORKS_COMMANDS_CUT_MARK_H
#define KERFWORKS_COMMANDS_CUT_MARK_H

#include "hostapi/suites.h"

inline constexpr char kCutMarkTag[] = "KerfworksCutMark";

bool CarriesCutMarkTag(AIArtHandle art);

#endif  // KERFWORKS_COMMANDS_CUT_MARK_H
