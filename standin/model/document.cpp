#include "standin/model/document.h"

#include <algorithm>

namespace standin {
namespace {

AIColor ProcessColor(AIReal black) {
  AIColor color{};
  color.kind = kFourColor;
  color.c.f = {0, 0, 0, black};
  return color;
}

}  // namespace

AIPathStyle DefaultPathStyle() {
  AIPathStyle style{};
  style.fillPaint = 1;
  style.fill.color = ProcessColor(0);
  style.strokePaint = 1;
  style.stroke.color = ProcessColor(1);
  style.stroke.width = 1;
  style.stroke.miterLimit = 4;
  style.resolution = 800;
  return style;
}

AIPathStyle UnpaintedStyle() {
  AIPathStyle style = DefaultPathStyle();
  style.fillPaint = 0;
  style.strokePaint = 0;
  return style;
}

Document& DocumentModel::Open() {
  Close();
  auto document = std::make_unique<Document>();
  document->setup.width = kDefaultPageWidth;
  document->setup.height = kDefaultPageHeight;
  document->setup.outputResolution = 800;
  document->defaultStyle = DefaultPathStyle();
  Document* raw = document.get();
  raw->handle = documents_.Add(std::move(document));
  current_ = raw;
  return *raw;
}

void DocumentModel::Close() {
  if (current_ == nullptr) return;
  for (AIArtHandle art : art_.LiveHandles()) art_.Dispose(art);
  for (AILayerHandle layer : layers_.LiveHandles()) layers_.Dispose(layer);
  documents_.Dispose(current_->handle);
  current_ = nullptr;
}

AILayerHandle DocumentModel::AddLayer(const std::string& title) {
  if (current_ == nullptr) return nullptr;
  auto layer = std::make_unique<LayerObject>();
  layer->title = title;
  AILayerHandle handle = layers_.Add(std::move(layer));
  current_->layers.insert(current_->layers.begin(), handle);
  if (current_->currentLayer == nullptr) current_->currentLayer = handle;
  return handle;
}

std::vector<AIArtHandle>& DocumentModel::Siblings(const ArtObject& art) {
  if (art.parent != nullptr) return art_.Find(art.parent)->children;
  return layers_.Find(art.layer)->art;
}

AIArtHandle DocumentModel::AddArt(std::int16_t type, AILayerHandle layer, AIArtHandle parent) {
  LayerObject* layerObject = layers_.Find(layer);
  ArtObject* parentObject = art_.Find(parent);
  if (current_ == nullptr || layerObject == nullptr) return nullptr;
  if (parent != nullptr && (parentObject == nullptr || parentObject->layer != layer))
    return nullptr;
  std::vector<AIArtHandle>& siblings = parentObject ? parentObject->children : layerObject->art;
  return Attach(type, layer, parent, siblings, siblings.size());
}

AIArtHandle DocumentModel::Attach(std::int16_t type, AILayerHandle layer, AIArtHandle parent,
                                  std::vector<AIArtHandle>& siblings, std::size_t index) {
  auto object = std::make_unique<ArtObject>();
  object->type = type;
  object->layer = layer;
  object->parent = parent;
  const bool painted = type == kPathArt || type == kCompoundPathArt;
  object->style = painted ? current_->defaultStyle : UnpaintedStyle();
  if (type == kTextArt) object->style.fillPaint = 1;
  AIArtHandle handle = art_.Add(std::move(object));
  siblings.insert(siblings.begin() + static_cast<std::ptrdiff_t>(index), handle);
  return handle;
}

ASErr DocumentModel::CreateArt(std::int16_t type, const Placement& placement, AIArtHandle* art) {
  *art = nullptr;
  if (current_ == nullptr) return kNoDocumentErr;
  AILayerHandle layer = nullptr;
  AIArtHandle parent = nullptr;
  std::vector<AIArtHandle>* siblings = nullptr;
  std::size_t index = 0;
  const ArtObject* prep = art_.Find(placement.prep);
  switch (placement.paintOrder) {
    case kPlaceAboveAll:
    case kPlaceBelowAll: {
      layer = current_->currentLayer;
      LayerObject* layerObject = layers_.Find(layer);
      if (layerObject == nullptr) return kBadParameterErr;
      siblings = &layerObject->art;
      index = placement.paintOrder == kPlaceAboveAll ? siblings->size() : 0;
      break;
    }
    case kPlaceAbove:
    case kPlaceBelow: {
      if (prep == nullptr) return kBadParameterErr;
      layer = prep->layer;
      parent = prep->parent;
      siblings = &Siblings(*prep);
      const auto at = std::find(siblings->begin(), siblings->end(), placement.prep);
      index = static_cast<std::size_t>(at - siblings->begin()) +
              (placement.paintOrder == kPlaceAbove ? 1 : 0);
      break;
    }
    case kPlaceInsideOnTop:
    case kPlaceInsideOnBottom: {
      if (prep == nullptr || (prep->type != kGroupArt && prep->type != kCompoundPathArt)) {
        return kBadParameterErr;
      }
      layer = prep->layer;
      parent = placement.prep;
      siblings = &art_.Find(parent)->children;
      index = placement.paintOrder == kPlaceInsideOnTop ? siblings->size() : 0;
      break;
    }
    default:
      return kBadParameterErr;
  }
  // A compound path holds nothing but paths.
  const ArtObject* parentObject = art_.Find(parent);
  if (parentObject != nullptr && parentObject->type == kCompoundPathArt && type != kPathArt) {
    return kBadParameterErr;
  }
  const LayerObject* layerObject = layers_.Find(layer);
  if (layerObject->locked || !layerObject->visible) return kSegmentErr;
  *art = Attach(type, layer, parent, *siblings, index);
  return kNoErr;
}

void DocumentModel::DisposeTree(AIArtHandle art) {
  const ArtObject* object = art_.Find(art);
  if (object == nullptr) return;
  for (AIArtHandle child : object->children) DisposeTree(child);
  art_.Dispose(art);
}

void DocumentModel::DisposeArt(AIArtHandle art) {
  const ArtObject* object = art_.Find(art);
  if (object == nullptr) return;
  std::vector<AIArtHandle>& siblings = Siblings(*object);
  siblings.erase(std::remove(siblings.begin(), siblings.end(), art), siblings.end());
  DisposeTree(art);
}

void DocumentModel::AppendTree(AIArtHandle art, std::vector<AIArtHandle>& out) const {
  out.push_back(art);
  for (AIArtHandle child : art_.Find(art)->children) AppendTree(child, out);
}

std::vector<AIArtHandle> DocumentModel::PaintOrder() const {
  std::vector<AIArtHandle> out;
  if (current_ == nullptr) return out;
  for (auto layer = current_->layers.rbegin(); layer != current_->layers.rend(); ++layer) {
    for (AIArtHandle art : layers_.Find(*layer)->art) AppendTree(art, out);
  }
  return out;
}

AIArtHandle* DocumentModel::NewArtList(const std::vector<AIArtHandle>& handles) {
  if (handles.empty()) return nullptr;
  ArtList list{std::make_unique<AIArtHandle[]>(handles.size()), handles.size()};
  std::copy(handles.begin(), handles.end(), list.entries.get());
  AIArtHandle* entries = list.entries.get();
  lists_.emplace(entries, std::move(list));
  return entries;
}

bool DocumentModel::ReleaseArtList(AIArtHandle* list) {
  return lists_.erase(list) != 0;
}

void DocumentModel::Leftovers(std::vector<std::string>& out) const {
  for (const auto& [entries, list] : lists_) {
    out.push_back("art list not released: " + std::to_string(list.count) + " entries");
  }
}

}  // namespace standin
