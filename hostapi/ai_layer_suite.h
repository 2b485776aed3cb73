/* AI Layer Suite: the layers of the current document. */
#ifndef KERFWORKS_HOSTAPI_AI_LAYER_SUITE_H
#define KERFWORKS_HOSTAPI_AI_LAYER_SUITE_H

#include "hostapi/host_types.h"

KW_EXTERN_C_BEGIN

#define kAILayerSuite "AI Layer Suite"
#define kAILayerSuiteVersion 11

/* Every function needs an open document (kNoDocumentErr otherwise); layer handles belong to the
 * document and die with it. */
typedef struct AILayerSuite {
  /* The layer new art goes to; kBadParameterErr when the document has none. */
  AIErr(KW_API* GetCurrentLayer)(AILayerHandle* layer);
  /* The number of layers of the current document. */
  AIErr(KW_API* CountLayers)(int32_t* count);
  /* The layer at `index`, topmost first; kBadParameterErr and null outside 0 .. count-1. */
  AIErr(KW_API* GetNthLayer)(int32_t index, AILayerHandle* layer);
  /* Copies the layer's title into the caller's buffer, cut to fit and terminated (empty on
   * failure); kBadParameterErr for a dead layer or a buffer without room. */
  AIErr(KW_API* GetLayerTitle)(AILayerHandle layer, char* buffer, int32_t capacity);
} AILayerSuite;

KW_EXTERN_C_END

#ifdef KW_STATIC_ASSERT
KW_SUITE_SLOTS(AILayerSuite, 4);
#endif

#endif /* KERFWORKS_HOSTAPI_AI_LAYER_SUITE_H */
