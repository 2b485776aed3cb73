// Saves the document into the SVG it was read from: the file's own text with only the session's
// changes applied. Art that is gone loses its element; art whose tags, visibility, lock, paint or
// outline changed has just that patched in its element; new art (crop marks, results of actions)
// is written in its layer at its place in the paint order. Everything else (text, images, defs,
// style sheets, comments, unknown elements and attributes, the path data of untouched art) stays
// as it was; only white space between elements may change.
#ifndef KERFWORKS_TOOLS_KWHOST_DRAWING_SAVE_H
#define KERFWORKS_TOOLS_KWHOST_DRAWING_SAVE_H

#include <string>
#include <vector>

#include "standin/model/document.h"
#include "tools/kwhost/drawing_loader.h"

namespace kwhost {

struct SaveSummary {
  int changed = 0, added = 0, removed = 0;
  // What could not be saved in place, and what was done instead.
  std::vector<std::string> notes;
};

// The original SVG text with the current document's changes since `loaded` applied. Throws
// ExportError for art SVG cannot carry, or when `original` is no longer readable XML.
std::string SaveIntoOriginal(const std::string& original, const LoadedDrawing& loaded,
                             const standin::DocumentModel& model, SaveSummary& summary);

// Writes `text` to `path` through a temporary file beside it, renamed over `path` once complete,
// so that a failed save leaves no partial file. Throws ExportError naming the file and the reason.
void WriteFileWhole(const std::string& path, const std::string& text);

}  // namespace kwhost

#endif  // KERFWORKS_TOOLS_KWHOST_DRAWING_SAVE_H
