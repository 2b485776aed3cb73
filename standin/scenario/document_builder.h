// Builds the host's current document for a test or tool, fluently:
//
//   DocumentBuilder doc(host.Documents());
//   doc.Page(595.2756f, 841.8898f).RulerOrigin(10, 20).Layer("Cut");
//   doc.Rectangle("frame", 0, 0, 100, 50).Selected();
//   doc.BeginGroup("pair").Selected();
//   doc.Circle("dot", 50, 25, 10).Stroked(false);
//   doc.End();
//   doc.Layer("Notes", /*visible=*/true, /*locked=*/true);
//   doc.Text("caption");
//
// New art goes on top of the layer named last (or of the group or compound path begun last),
// whatever that layer's state. Names are the test's own handle on the art (see DocumentView);
// they must be unique within the document. Misuse of the builder throws std::logic_error.
#ifndef KERFWORKS_STANDIN_SCENARIO_DOCUMENT_BUILDER_H
#define KERFWORKS_STANDIN_SCENARIO_DOCUMENT_BUILDER_H

#include <string>
#include <unordered_set>
#include <vector>

#include "standin/model/document.h"

namespace standin {

// One art object being built; every setter returns the builder for chaining.
class ArtBuilder {
 public:
  ArtBuilder(DocumentModel& model, AIArtHandle art) : model_(model), art_(art) {}
  AIArtHandle Handle() const { return art_; }

  ArtBuilder& Filled(bool on = true);
  ArtBuilder& Stroked(bool on = true);
  ArtBuilder& StrokeWidth(AIReal width);
  ArtBuilder& Style(const AIPathStyle& style);
  ArtBuilder& Selected(bool on = true);
  ArtBuilder& Locked(bool on = true);
  ArtBuilder& Hidden(bool on = true);
  // A tag of kind "string".
  ArtBuilder& Tag(const std::string& name, const std::string& value);
  ArtBuilder& Segments(std::vector<AIPathSegment> segments);
  ArtBuilder& Closed(bool on = true);
  // A text's runs, and the map of its text space onto the page.
  ArtBuilder& Runs(std::vector<TextRun> runs, const double (&textMatrix)[6]);

 private:
  ArtObject& Object() const;
  ArtBuilder& Attribute(std::int32_t bit, bool on);

  DocumentModel& model_;
  AIArtHandle art_;
};

class DocumentBuilder {
 public:
  // Opens a new document (closing the open one) with one layer, "Layer 1".
  explicit DocumentBuilder(DocumentModel& model);

  DocumentBuilder& Page(AIReal width, AIReal height);
  DocumentBuilder& RulerOrigin(AIReal x, AIReal y);
  // What paths made from now on (and those the plug-in makes) are painted with.
  DocumentBuilder& DefaultStyle(const AIPathStyle& style);
  // The first call names the first layer; later calls add a layer above all others. Either way
  // the layer receives the art that follows. The host's current layer stays the first layer
  // unless CurrentLayer names another.
  DocumentBuilder& Layer(const std::string& title, bool visible = true, bool locked = false);
  // Makes the layer the host's current layer (new art of the plug-in goes there).
  DocumentBuilder& CurrentLayer(const std::string& title);
  // The layer that receives the art that follows.
  AILayerHandle TargetLayer() const { return target_; }
  // Sends the art that follows to the top of `layer`, a layer of this document begun before.
  DocumentBuilder& ToLayer(AILayerHandle layer);

  // Closed paths, open polylines, and paths from any segments.
  ArtBuilder Rectangle(const std::string& name, AIReal left, AIReal bottom, AIReal width,
                       AIReal height);
  ArtBuilder Circle(const std::string& name, AIReal centreX, AIReal centreY, AIReal radius);
  ArtBuilder Polyline(const std::string& name, const std::vector<AIRealPoint>& points);
  ArtBuilder Path(const std::string& name, std::vector<AIPathSegment> segments, bool closed);
  ArtBuilder Text(const std::string& name);
  // Art of any type without contents: placed, raster, mystery, ...
  ArtBuilder Art(const std::string& name, std::int16_t type);
  // Containers: the art that follows goes inside, until End.
  ArtBuilder BeginGroup(const std::string& name);
  ArtBuilder BeginCompoundPath(const std::string& name);
  DocumentBuilder& End();

  Document& Get() { return document_; }

 private:
  ArtBuilder Add(const std::string& name, std::int16_t type);
  AILayerHandle LayerTitled(const std::string& title) const;

  DocumentModel& model_;
  Document& document_;
  AILayerHandle target_ = nullptr;
  bool firstLayerNamed_ = false;
  std::vector<AIArtHandle> open_;          // containers begun and not ended
  std::unordered_set<std::string> names_;  // given to art by this builder
};

}  // namespace standin

#endif  // KERFWORKS_STANDIN_SCENARIO_DOCUMENT_BUILDER_H
