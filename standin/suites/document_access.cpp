#include "standin/suites/document_access.h"

namespace standin {
namespace {

const char* StateWord(HandleState state) {
  return state == HandleState::kDisposed ? "a disposed" : "an unknown";
}

}  // namespace

ASErr Misuse(const SuiteCall& call, const std::string& what) {
  Host::Current().RecordMisbehaviour(call.Name(), what);
  return kBadParameterErr;
}

Document* CurrentDocument(ASErr* err) {
  Document* document = Host::Current().Documents().Current();
  *err = document == nullptr ? kNoDocumentErr : kNoErr;
  return document;
}

ArtObject* ResolveArt(const SuiteCall& call, AIArtHandle art, ASErr* err) {
  *err = kNoErr;
  if (Missing(call, art, "art handle", err)) return nullptr;
  DocumentModel& documents = Host::Current().Documents();
  ArtObject* object = documents.FindArt(art);
  if (object == nullptr) {
    *err = Misuse(call, std::string("used ") + StateWord(documents.ArtState(art)) + " art handle");
  }
  return object;
}

ArtObject* ResolveArtOfType(const SuiteCall& call, AIArtHandle art, std::int16_t type,
                            std::int16_t otherType, ASErr* err) {
  ArtObject* object = ResolveArt(call, art, err);
  if (object == nullptr || object->type == type || object->type == otherType) return object;
  *err = Misuse(call, "art of type " + std::to_string(object->type) + " is no " +
                          (type == kPathArt ? "path" : "art of the wanted type"));
  return nullptr;
}

LayerObject* ResolveLayer(const SuiteCall& call, AILayerHandle layer, ASErr* err) {
  *err = kNoErr;
  if (Missing(call, layer, "layer handle", err)) return nullptr;
  DocumentModel& documents = Host::Current().Documents();
  LayerObject* object = documents.FindLayer(layer);
  if (object == nullptr) {
    *err = Misuse(call,
                  std::string("used ") + StateWord(documents.LayerState(layer)) + " layer handle");
  }
  return object;
}

}  // namespace standin
