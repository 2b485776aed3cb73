// The host's documents: the current document (none, or one) with its page setup, ruler origin,
// layers and art tree, and every art and layer handle ever handed out, so that a handle kept past
// the disposal of its object (or of its whole document) is recognised as such.
//
// Paint order is back to front: within a layer or container, later entries are painted over
// earlier ones; the bottom layer is painted first. Layers are listed topmost first, as the layer
// suite numbers them.
#ifndef KERFWORKS_STANDIN_MODEL_DOCUMENT_H
#define KERFWORKS_STANDIN_MODEL_DOCUMENT_H

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "hostapi/ai_art_suites.h"
#include "standin/core/handle_table.h"

namespace standin {

struct ArtTag {
  std::string kind;
  std::string value;
};

struct TextPoint {
  double x = 0, y = 0;
};

// One run of a text: its characters and the font they are set in, in text space (y down).
struct TextRun {
  std::string characters;  // UTF-8
  std::string fontFamily;  // a CSS family list: "DejaVu Sans, sans-serif"
  double fontSize = 16;
  int fontWeight = 400;  // 100..900
  bool italic = false;
  std::optional<TextPoint> start;  // none: right after the run before
  TextPoint shift;                 // moves the pen before the first character
  int anchor = 0;                  // of the chunk the run begins: 0 start, 1 middle, 2 end
};

struct ArtObject {
  std::int16_t type = kUnknownArt;
  // Given by a test to find the art again; empty for art the plug-in made.
  std::string name;
  AILayerHandle layer = nullptr;
  AIArtHandle parent = nullptr;       // null at the top of a layer
  std::vector<AIArtHandle> children;  // groups and compound paths, back to front
  std::int32_t attributes = 0;        // kArtSelected, kArtLocked, kArtHidden, ...
  std::vector<AIPathSegment> segments;
  bool closed = false;
  AIPathStyle style{};
  std::map<std::string, ArtTag> tags;
  // Text art: its runs, and text space onto the page: page = (a*x + c*y + e, b*x + d*y + f).
  std::vector<TextRun> textRuns;
  double textMatrix[6] = {1, 0, 0, 1, 0, 0};
};

struct LayerObject {
  std::string title;
  bool visible = true;
  bool locked = false;
  std::vector<AIArtHandle> art;  // top-level art, back to front
};

struct Document {
  AIDocumentHandle handle = nullptr;
  AIDocumentSetup setup{};
  AIRealPoint rulerOrigin{0, 0};
  // What new paths are painted with.
  AIPathStyle defaultStyle{};
  std::vector<AILayerHandle> layers;  // topmost first
  AILayerHandle currentLayer = nullptr;
  int redraws = 0;
};

// Where new art goes: the paint-order code of the art suite, relative to `prep`; kPlaceAboveAll
// and kPlaceBelowAll ignore `prep` and mean the top or bottom of the current layer.
struct Placement {
  std::int16_t paintOrder = kPlaceAboveAll;
  AIArtHandle prep = nullptr;
};

// The page setup of a new document: US Letter.
inline constexpr AIReal kDefaultPageWidth = 612;
inline constexpr AIReal kDefaultPageHeight = 792;

// Paths are filled white and stroked black 1 pt unless told otherwise.
AIPathStyle DefaultPathStyle();
// A style with neither fill nor stroke.
AIPathStyle UnpaintedStyle();

class DocumentModel {
 public:
  DocumentModel() = default;
  DocumentModel(const DocumentModel&) = delete;
  DocumentModel& operator=(const DocumentModel&) = delete;

  // --- The document ---------------------------------------------------------------------------
  // Null when no document is open.
  Document* Current() { return current_; }
  const Document* Current() const { return current_; }
  // Closes the current document, if any, and opens an empty one without layers.
  Document& Open();
  // Every art and layer handle of the closed document is disposed.
  void Close();

  // --- Layers ---------------------------------------------------------------------------------
  // Adds a layer above all others; the first layer of a document becomes its current layer.
  AILayerHandle AddLayer(const std::string& title);
  HandleState LayerState(AILayerHandle layer) const { return layers_.State(layer); }
  LayerObject* FindLayer(AILayerHandle layer) const { return layers_.Find(layer); }

  // --- Art ------------------------------------------------------------------------------------
  HandleState ArtState(AIArtHandle art) const { return art_.State(art); }
  ArtObject* FindArt(AIArtHandle art) const { return art_.Find(art); }
  // Creates art of `type` where `placement` says: kNoErr, kBadParameterErr for a placement that
  // names no place art of that type can go, kSegmentErr when its layer is locked or hidden, and
  // kNoDocumentErr.
  ASErr CreateArt(std::int16_t type, const Placement& placement, AIArtHandle* art);
  // Appends art of any type on top of `parent` (null: of the layer) whatever the layer's state,
  // for scenarios; null when the layer or parent is not live or the parent lies on another layer.
  AIArtHandle AddArt(std::int16_t type, AILayerHandle layer, AIArtHandle parent);
  // Removes the art and everything inside it; their handles are disposed.
  void DisposeArt(AIArtHandle art);
  // Every live art object of the document at any depth: layers bottom first, each layer's art
  // back to front, a container before what it contains.
  std::vector<AIArtHandle> PaintOrder() const;

  // --- Art lists handed to the plug-in ----------------------------------------------------------
  // A host-owned copy of `handles`; null for an empty list (which needs no release).
  AIArtHandle* NewArtList(const std::vector<AIArtHandle>& handles);
  // False when `list` is no list the host handed out and has not had back.
  bool ReleaseArtList(AIArtHandle* list);
  std::size_t OpenArtLists() const { return lists_.size(); }

  // What the plug-in left behind in the documents.
  void Leftovers(std::vector<std::string>& out) const;

 private:
  std::vector<AIArtHandle>& Siblings(const ArtObject& art);
  AIArtHandle Attach(std::int16_t type, AILayerHandle layer, AIArtHandle parent,
                     std::vector<AIArtHandle>& siblings, std::size_t index);
  void AppendTree(AIArtHandle art, std::vector<AIArtHandle>& out) const;
  void DisposeTree(AIArtHandle art);

  HandleTable<AIDocumentHandle, Document> documents_;
  HandleTable<AILayerHandle, LayerObject> layers_;
  HandleTable<AIArtHandle, ArtObject> art_;
  Document* current_ = nullptr;
  struct ArtList {
    std::unique_ptr<AIArtHandle[]> entries;
    std::size_t count;
  };
  std::map<AIArtHandle*, ArtList> lists_;
};

}  // namespace standin

#endif  // KERFWORKS_STANDIN_MODEL_DOCUMENT_H
