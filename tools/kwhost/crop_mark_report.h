// What the crop marks in the document say, read from their art: the machine type asked for, the
// distances between the marks' centres (W across, L up), where they sit on the page (X from the
// left edge to the marks' left edge, Y from the bottom edge to the marks' bottom edge, or from the
// top edge to their top edge for the types whose marks hang from the top), and what is wrong.
#ifndef KERFWORKS_TOOLS_KWHOST_CROP_MARK_REPORT_H
#define KERFWORKS_TOOLS_KWHOST_CROP_MARK_REPORT_H

#include <ostream>

#include "standin/model/document.h"

namespace kwhost {

// The names of the machine types 0 to 7.
inline constexpr const char* kMachineNames[] = {"MA-1", "MA-2", "MA-3", "MB-1",
                                                "MB-2", "MB-3", "MB-4", "MB-5"};

// Prints the crop marks of the current document to `out`; marks off the page or over art that is
// cut are warnings on `err`. Nothing when the document has no crop marks.
void ReportCropMarks(const standin::DocumentModel& model, int machineType, std::ostream& out,
                     std::ostream& err);

}  // namespace kwhost

#endif  // KERFWORKS_TOOLS_KWHOST_CROP_MARK_REPORT_H
