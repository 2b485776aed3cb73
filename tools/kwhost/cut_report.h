// What a cut sends, told from the host's side: which art of the document passes the cut's tests
// and, for the rest, the first test each fails.
#ifndef KERFWORKS_TOOLS_KWHOST_CUT_REPORT_H
#define KERFWORKS_TOOLS_KWHOST_CUT_REPORT_H

#include <cstdint>
#include <map>
#include <string>

#include "standin/model/document.h"

namespace kwhost {

struct CutCount {
  int written = 0;
  // Reason ("paint class", "other layer", "not marked", "crop mark", "not a path") -> count.
  std::map<std::string, int> skipped;
};

// The paint classes a cut takes when the preferences do not say: stroked, filled or both.
inline constexpr std::int32_t kDefaultPaintClasses = 14;

// The art the cut looks at (the selection in mode "selected", else all art) sorted by the tests
// the plug-in makes, in its order.
CutCount CountCut(const standin::DocumentModel& model, const std::string& mode,
                  std::int32_t paintClasses);

}  // namespace kwhost

#endif  // KERFWORKS_TOOLS_KWHOST_CUT_REPORT_H
