// The palette's art commands that the button handler runs, each on the current document inside
// the handler's application context; none reports to the user.
#ifndef KERFWORKS_COMMANDS_COMMANDS_H
#define KERFWORKS_COMMANDS_COMMANDS_H

#include "hostapi/suites.h"

// Path preparation through the host's actions, on the current selection.
void OutlineTextCommand();
void OutlineStrokeCommand();
void MergePathsCommand();
void OffsetPathCommand();
// Marks the selected paths for cutting, or unmarks them when all are marked already.
void MarkPathsCommand();
// The draw procedure of the palette's preview item; may switch the crop-marks button's picture.
void KW_API DrawPreview(ADMItemRef item, ADMDrawerRef drawer);

#endif  // KERFWORKS_COMMANDS_COMMANDS_H
