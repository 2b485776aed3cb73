// kwhost --list: the drawing as the plug-in will see it and the settings it will start with,
// without running anything.
#ifndef KERFWORKS_TOOLS_KWHOST_DRAWING_LIST_H
#define KERFWORKS_TOOLS_KWHOST_DRAWING_LIST_H

#include <ostream>

#include "standin/model/preference_store.h"
#include "tools/kwhost/drawing_loader.h"
#include "tools/kwhost/svg/drawing.h"

namespace kwhost {

// Prints the layers (bottom first, hidden and locked), the ids, the number of paths, the stored
// output mode and crop settings and the registered cutting application to `out`; a registered
// application that cannot be started is a warning on `err`.
void ListDrawing(const svg::Drawing& drawing, const LoadedDrawing& loaded,
                 const standin::PreferenceStore& stored, std::ostream& out, std::ostream& err);

}  // namespace kwhost

#endif  // KERFWORKS_TOOLS_KWHOST_DRAWING_LIST_H
