// Puts an imported SVG drawing into the stand-in host's document, as the drawing application would
// have it after opening the file, and selects elements by their SVG ids.
#ifndef KERFWORKS_TOOLS_KWHOST_DRAWING_LOADER_H
#define KERFWORKS_TOOLS_KWHOST_DRAWING_LOADER_H

#include <cstddef>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "standin/model/document.h"
#include "standin/scenario/document_builder.h"
#include "tools/kwhost/svg/drawing.h"
#include "tools/kwhost/svg/svg_import.h"

namespace kwhost {

class SelectionError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Art of an element without an id is named this prefix and a number.
inline constexpr char kUnnamedPrefix[] = "#";

// Where a piece of art came from in the SVG file.
struct ArtSource {
  std::ptrdiff_t offset = -1;  // svg::Item::source
  bool copied = false;         // svg::Item::copied
};

struct LoadedDrawing {
  // The art of every element with an id.
  std::map<std::string, AIArtHandle> byId;
  // Every art object read from an element of the file.
  std::map<AIArtHandle, ArtSource> sources;
  // Every art object as it was loaded, so that a save can tell what the session changed; empty
  // when loaded with Snapshot::kSkip.
  std::map<AIArtHandle, standin::ArtObject> asLoaded;
  int paths = 0;
  int hiddenPaths = 0;  // hidden themselves or by their layer
};

// Whether LoadedDrawing::asLoaded is filled: only a save needs it, and it is a second copy of
// every outline.
enum class Snapshot { kTake, kSkip };

// Opens a new document in `model` and puts the art into it as the SVG reader hands it over, so
// that a large drawing is not held twice; art keeps its SVG id as its name (others get
// kUnnamedPrefix and a number).
class DocumentLoader : public svg::ArtSink {
 public:
  DocumentLoader(standin::DocumentModel& model, Snapshot snapshot);

  void BeginLayer(const svg::Layer& layer) override;
  // The item's outlines are freed once in the document.
  void Add(std::size_t layer, svg::Item&& item) override;

  // Once the reader is done: the page of `drawing` (the reader's result) is set and its first
  // layer becomes the current layer.
  LoadedDrawing Finish(const svg::Drawing& drawing);

 private:
  void AddItem(svg::Item& item);
  std::string NameFor(const svg::Item& item);
  void Record(const svg::Item& item, standin::ArtBuilder art);

  standin::DocumentModel& model_;
  standin::DocumentBuilder builder_;
  Snapshot snapshot_;
  LoadedDrawing loaded_;
  struct LayerInDocument {
    AILayerHandle handle;
    bool hidden;
  };
  std::vector<LayerInDocument> layers_;  // by the reader's numbers
  int unnamed_ = 0;
};

// The same for a drawing read whole. Taken by value: its outlines are freed as they go into the
// document.
LoadedDrawing LoadDrawing(svg::Drawing drawing, standin::DocumentModel& model,
                          Snapshot snapshot = Snapshot::kTake);

// The art of the element with `id`. Throws SelectionError when no element carries it.
AIArtHandle ArtWithId(const LoadedDrawing& loaded, const std::string& id);

// Selects the art of each id and everything inside it (the user's click on a group or compound
// path). Throws SelectionError naming an id that no element carries.
void SelectById(const LoadedDrawing& loaded, const std::vector<std::string>& ids,
                standin::DocumentModel& model);

}  // namespace kwhost

#endif  // KERFWORKS_TOOLS_KWHOST_DRAWING_LOADER_H
