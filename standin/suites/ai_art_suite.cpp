#include "hostapi/suites.h"
#include "standin/suites/document_access.h"
#include "standin/suites/tables.h"

namespace standin {
namespace {

constexpr char kSuite[] = kAIArtSuite;

bool CreatableType(int16_t type) {
  return type == kGroupArt || type == kPathArt || type == kCompoundPathArt;
}

AIErr KW_API NewArt(int16_t type, int16_t paintOrder, AIArtHandle prep, AIArtHandle* art) {
  if (art != nullptr) *art = nullptr;
  KW_SUITE_CALL();
  ASErr err = kNoErr;
  if (Missing(call, art, "art pointer", &err)) return err;
  if (CurrentDocument(&err) == nullptr) return err;
  if (!CreatableType(type))
    return Misuse(call, "cannot create art of type " + std::to_string(type));
  const bool needsPrep = paintOrder != kPlaceAboveAll && paintOrder != kPlaceBelowAll;
  if (needsPrep && ResolveArt(call, prep, &err) == nullptr) return err;
  err = Host::Current().Documents().CreateArt(type, {paintOrder, prep}, art);
  if (err == kBadParameterErr) {
    return Misuse(call, "no art of type " + std::to_string(type) + " can go at paint order " +
                            std::to_string(paintOrder) + " of that art");
  }
  return err;
}

AIErr KW_API DisposeArt(AIArtHandle art) {
  KW_SUITE_CALL();
  ASErr err = kNoErr;
  if (ResolveArt(call, art, &err) == nullptr) return err;
  Host::Current().Documents().DisposeArt(art);
  return kNoErr;
}

AIErr KW_API GetArtType(AIArtHandle art, int16_t* type) {
  if (type != nullptr) *type = kUnknownArt;
  KW_SUITE_CALL();
  ASErr err = kNoErr;
  if (Missing(call, type, "type pointer", &err)) return err;
  const ArtObject* object = ResolveArt(call, art, &err);
  if (object != nullptr) *type = object->type;
  return err;
}

AIErr KW_API GetArtUserAttr(AIArtHandle art, int32_t whichAttr, int32_t* attr) {
  if (attr != nullptr) *attr = 0;
  KW_SUITE_CALL();
  ASErr err = kNoErr;
  if (Missing(call, attr, "attribute pointer", &err)) return err;
  const ArtObject* object = ResolveArt(call, art, &err);
  if (object != nullptr) *attr = object->attributes & whichAttr;
  return err;
}

AIErr KW_API SetArtUserAttr(AIArtHandle art, int32_t whichAttr, int32_t attr) {
  KW_SUITE_CALL();
  ASErr err = kNoErr;
  ArtObject* object = ResolveArt(call, art, &err);
  if (object != nullptr)
    object->attributes = (object->attributes & ~whichAttr) | (attr & whichAttr);
  return err;
}

AIErr KW_API GetArtLayer(AIArtHandle art, AILayerHandle* layer) {
  if (layer != nullptr) *layer = nullptr;
  KW_SUITE_CALL();
  ASErr err = kNoErr;
  if (Missing(call, layer, "layer pointer", &err)) return err;
  const ArtObject* object = ResolveArt(call, art, &err);
  if (object != nullptr) *layer = object->layer;
  return err;
}

AIBoolean KW_API ArtHasFill(AIArtHandle art) {
  KW_SUITE_CALL_OR(false);
  ASErr err = kNoErr;
  const ArtObject* object = ResolveArt(call, art, &err);
  return object != nullptr && object->style.fillPaint != 0;
}

AIBoolean KW_API ArtHasStroke(AIArtHandle art) {
  KW_SUITE_CALL_OR(false);
  ASErr err = kNoErr;
  const ArtObject* object = ResolveArt(call, art, &err);
  return object != nullptr && object->style.strokePaint != 0;
}

AIErr KW_API GetArtParent(AIArtHandle art, AIArtHandle* parent) {
  if (parent != nullptr) *parent = nullptr;
  KW_SUITE_CALL();
  ASErr err = kNoErr;
  if (Missing(call, parent, "parent pointer", &err)) return err;
  const ArtObject* object = ResolveArt(call, art, &err);
  if (object != nullptr) *parent = object->parent;
  return err;
}

}  // namespace

const AIArtSuite* AIArtSuiteTable() {
  static const AIArtSuite table = {&NewArt,         &DisposeArt,     &GetArtType,
                                   &GetArtUserAttr, &SetArtUserAttr, &GetArtLayer,
                                   &ArtHasFill,     &ArtHasStroke,   &GetArtParent};
  return &table;
}

}  // namespace standin
