#include "standin/scenario/document_view.h"

#include <stdexcept>

namespace standin {

const Document& DocumentView::Doc() const {
  const Document* document = model_.Current();
  if (document == nullptr) throw std::logic_error("no document is open");
  return *document;
}

template <typename Predicate>
std::vector<AIArtHandle> DocumentView::Where(Predicate predicate) const {
  Doc();
  std::vector<AIArtHandle> out;
  for (AIArtHandle art : model_.PaintOrder()) {
    if (predicate(*model_.FindArt(art))) out.push_back(art);
  }
  return out;
}

bool DocumentView::Exists(const std::string& name) const {
  return !Where([&](const ArtObject& art) { return art.name == name; }).empty();
}

AIArtHandle DocumentView::Find(const std::string& name) const {
  const auto found = Where([&](const ArtObject& art) { return art.name == name; });
  if (found.empty()) throw std::logic_error("no art named \"" + name + "\"");
  return found.front();
}

const ArtObject& DocumentView::Art(AIArtHandle art) const {
  const ArtObject* object = model_.FindArt(art);
  if (object == nullptr) throw std::logic_error("the art handle is not live");
  return *object;
}

std::vector<AIArtHandle> DocumentView::All() const {
  return Where([](const ArtObject&) { return true; });
}

std::vector<AIArtHandle> DocumentView::OfType(std::int16_t type) const {
  return Where([&](const ArtObject& art) { return art.type == type; });
}

std::vector<AIArtHandle> DocumentView::Tagged(const std::string& name) const {
  return Where([&](const ArtObject& art) { return art.tags.count(name) != 0; });
}

std::optional<std::string> DocumentView::TagValue(AIArtHandle art, const std::string& name) const {
  const ArtObject& object = Art(art);
  auto tag = object.tags.find(name);
  if (tag == object.tags.end()) return std::nullopt;
  return tag->second.value;
}

const std::string& DocumentView::LayerTitle(AIArtHandle art) const {
  return model_.FindLayer(Art(art).layer)->title;
}

AILayerHandle DocumentView::Layer(const std::string& title) const {
  for (AILayerHandle layer : Doc().layers) {
    if (model_.FindLayer(layer)->title == title) return layer;
  }
  throw std::logic_error("no layer \"" + title + "\"");
}

}  // namespace standin
