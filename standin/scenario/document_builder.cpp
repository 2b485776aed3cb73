#include "standin/scenario/document_builder.h"

#include <algorithm>
#include <iterator>
#include <stdexcept>

#include "standin/scenario/shapes.h"

namespace standin {

namespace {
constexpr char kFirstLayerTitle[] = "Layer 1";
}  // namespace

ArtObject& ArtBuilder::Object() const {
  ArtObject* object = model_.FindArt(art_);
  if (object == nullptr) throw std::logic_error("the art being built was disposed");
  return *object;
}

ArtBuilder& ArtBuilder::Filled(bool on) {
  Object().style.fillPaint = on;
  return *this;
}

ArtBuilder& ArtBuilder::Stroked(bool on) {
  Object().style.strokePaint = on;
  return *this;
}

ArtBuilder& ArtBuilder::StrokeWidth(AIReal width) {
  Object().style.stroke.width = width;
  return *this;
}

ArtBuilder& ArtBuilder::Style(const AIPathStyle& style) {
  Object().style = style;
  return *this;
}

ArtBuilder& ArtBuilder::Attribute(std::int32_t bit, bool on) {
  ArtObject& object = Object();
  object.attributes = on ? (object.attributes | bit) : (object.attributes & ~bit);
  return *this;
}

ArtBuilder& ArtBuilder::Selected(bool on) {
  return Attribute(kArtSelected, on);
}

ArtBuilder& ArtBuilder::Locked(bool on) {
  return Attribute(kArtLocked, on);
}

ArtBuilder& ArtBuilder::Hidden(bool on) {
  return Attribute(kArtHidden, on);
}

ArtBuilder& ArtBuilder::Tag(const std::string& name, const std::string& value) {
  Object().tags.insert_or_assign(name, ArtTag{kAITagKindString, value});
  return *this;
}

ArtBuilder& ArtBuilder::Segments(std::vector<AIPathSegment> segments) {
  ArtObject& object = Object();
  if (object.type != kPathArt) throw std::logic_error("only paths have segments");
  object.segments = std::move(segments);
  return *this;
}

ArtBuilder& ArtBuilder::Runs(std::vector<TextRun> runs, const double (&textMatrix)[6]) {
  ArtObject& object = Object();
  if (object.type != kTextArt) throw std::logic_error("only texts have runs");
  object.textRuns = std::move(runs);
  std::copy(std::begin(textMatrix), std::end(textMatrix), object.textMatrix);
  return *this;
}

ArtBuilder& ArtBuilder::Closed(bool on) {
  ArtObject& object = Object();
  if (object.type != kPathArt) throw std::logic_error("only paths are open or closed");
  object.closed = on;
  return *this;
}

DocumentBuilder::DocumentBuilder(DocumentModel& model)
    : model_(model), document_(model.Open()), target_(model.AddLayer(kFirstLayerTitle)) {}

DocumentBuilder& DocumentBuilder::Page(AIReal width, AIReal height) {
  document_.setup.width = width;
  document_.setup.height = height;
  return *this;
}

DocumentBuilder& DocumentBuilder::RulerOrigin(AIReal x, AIReal y) {
  document_.rulerOrigin = {x, y};
  return *this;
}

DocumentBuilder& DocumentBuilder::DefaultStyle(const AIPathStyle& style) {
  document_.defaultStyle = style;
  return *this;
}

AILayerHandle DocumentBuilder::LayerTitled(const std::string& title) const {
  for (AILayerHandle layer : document_.layers) {
    if (model_.FindLayer(layer)->title == title) return layer;
  }
  throw std::logic_error("no layer \"" + title + "\"");
}

DocumentBuilder& DocumentBuilder::Layer(const std::string& title, bool visible, bool locked) {
  if (!open_.empty()) throw std::logic_error("a layer cannot begin inside a container");
  if (firstLayerNamed_) target_ = model_.AddLayer(title);
  firstLayerNamed_ = true;
  LayerObject* layer = model_.FindLayer(target_);
  layer->title = title;
  layer->visible = visible;
  layer->locked = locked;
  return *this;
}

DocumentBuilder& DocumentBuilder::ToLayer(AILayerHandle layer) {
  if (!open_.empty()) throw std::logic_error("art cannot change layers inside a container");
  if (std::find(document_.layers.begin(), document_.layers.end(), layer) == document_.layers.end())
    throw std::logic_error("no such layer in the document");
  target_ = layer;
  return *this;
}

DocumentBuilder& DocumentBuilder::CurrentLayer(const std::string& title) {
  document_.currentLayer = LayerTitled(title);
  return *this;
}

ArtBuilder DocumentBuilder::Add(const std::string& name, std::int16_t type) {
  // Only a name given before can be taken; the document is searched only then.
  if (!name.empty() && !names_.insert(name).second) {
    for (AIArtHandle art : model_.PaintOrder()) {
      if (model_.FindArt(art)->name == name) {
        throw std::logic_error("two art objects named \"" + name + "\"");
      }
    }
  }
  AIArtHandle parent = open_.empty() ? nullptr : open_.back();
  if (parent != nullptr && model_.FindArt(parent)->type == kCompoundPathArt && type != kPathArt) {
    throw std::logic_error("a compound path holds only paths");
  }
  AIArtHandle art = model_.AddArt(type, target_, parent);
  if (art == nullptr) throw std::logic_error("art cannot be added to a closed document");
  model_.FindArt(art)->name = name;
  return ArtBuilder(model_, art);
}

ArtBuilder DocumentBuilder::Rectangle(const std::string& name, AIReal left, AIReal bottom,
                                      AIReal width, AIReal height) {
  return Path(name, RectangleSegments(left, bottom, width, height), true);
}

ArtBuilder DocumentBuilder::Circle(const std::string& name, AIReal centreX, AIReal centreY,
                                   AIReal radius) {
  return Path(name, CircleSegments(centreX, centreY, radius), true);
}

ArtBuilder DocumentBuilder::Polyline(const std::string& name,
                                     const std::vector<AIRealPoint>& points) {
  return Path(name, PolylineSegments(points), false);
}

ArtBuilder DocumentBuilder::Path(const std::string& name, std::vector<AIPathSegment> segments,
                                 bool closed) {
  ArtBuilder art = Add(name, kPathArt);
  art.Segments(std::move(segments)).Closed(closed);
  return art;
}

ArtBuilder DocumentBuilder::Text(const std::string& name) {
  return Add(name, kTextArt);
}

ArtBuilder DocumentBuilder::Art(const std::string& name, std::int16_t type) {
  return Add(name, type);
}

ArtBuilder DocumentBuilder::BeginGroup(const std::string& name) {
  ArtBuilder group = Add(name, kGroupArt);
  open_.push_back(group.Handle());
  return group;
}

ArtBuilder DocumentBuilder::BeginCompoundPath(const std::string& name) {
  ArtBuilder compound = Add(name, kCompoundPathArt);
  open_.push_back(compound.Handle());
  return compound;
}

DocumentBuilder& DocumentBuilder::End() {
  if (open_.empty()) throw std::logic_error("End without a container begun");
  open_.pop_back();
  return *this;
}

}  // namespace standin
