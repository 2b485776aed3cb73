#include <algorithm>
#include <cstring>

#include "hostapi/suites.h"
#include "standin/suites/document_access.h"
#include "standin/suites/tables.h"

namespace standin {
namespace {

constexpr char kSuite[] = kAILayerSuite;

AIErr KW_API GetCurrentLayer(AILayerHandle* layer) {
  if (layer != nullptr) *layer = nullptr;
  KW_SUITE_CALL();
  ASErr err = kNoErr;
  if (Missing(call, layer, "layer pointer", &err)) return err;
  const Document* current = CurrentDocument(&err);
  if (current == nullptr) return err;
  *layer = current->currentLayer;
  return *layer == nullptr ? kBadParameterErr : kNoErr;
}

AIErr KW_API CountLayers(int32_t* count) {
  if (count != nullptr) *count = 0;
  KW_SUITE_CALL();
  ASErr err = kNoErr;
  if (Missing(call, count, "count pointer", &err)) return err;
  const Document* current = CurrentDocument(&err);
  if (current != nullptr) *count = static_cast<int32_t>(current->layers.size());
  return err;
}

AIErr KW_API GetNthLayer(int32_t index, AILayerHandle* layer) {
  if (layer != nullptr) *layer = nullptr;
  KW_SUITE_CALL();
  ASErr err = kNoErr;
  if (Missing(call, layer, "layer pointer", &err)) return err;
  const Document* current = CurrentDocument(&err);
  if (current == nullptr) return err;
  if (index < 0 || static_cast<std::size_t>(index) >= current->layers.size()) {
    return Misuse(call, "asked for layer " + std::to_string(index) + " of " +
                            std::to_string(current->layers.size()));
  }
  *layer = current->layers[static_cast<std::size_t>(index)];
  return kNoErr;
}

AIErr KW_API GetLayerTitle(AILayerHandle layer, char* buffer, int32_t capacity) {
  KW_SUITE_CALL();
  ASErr err = kNoErr;
  if (Missing(call, buffer, "buffer", &err)) return err;
  if (capacity <= 0) return Misuse(call, "passed a buffer without room");
  buffer[0] = '\0';
  const LayerObject* object = ResolveLayer(call, layer, &err);
  if (object == nullptr) return err;
  const std::size_t length = std::min(object->title.size(), static_cast<std::size_t>(capacity - 1));
  std::memcpy(buffer, object->title.data(), length);
  buffer[length] = '\0';
  return kNoErr;
}

}  // namespace

const AILayerSuite* AILayerSuiteTable() {
  static const AILayerSuite table = {&GetCurrentLayer, &CountLayers, &GetNthLayer, &GetLayerTitle};
  return &table;
}

}  // namespace standin
