/* AI Document Suite: the current document's handle, page setup and ruler origin. */
#ifndef KERFWORKS_HOSTAPI_AI_DOCUMENT_SUITE_H
#define KERFWORKS_HOSTAPI_AI_DOCUMENT_SUITE_H

#include "hostapi/host_types.h"

KW_EXTERN_C_BEGIN

#define kAIDocumentSuite "AI Document Suite"
#define kAIDocumentSuiteVersion 11

/* The page setup: the page size in points first. */
typedef struct AIDocumentSetup {
  AIReal width;
  AIReal height;
  AIBoolean showPlacedImages;
  int32_t pageView;
  AIReal outputResolution;
} AIDocumentSetup;

/* Every function works on the current document and answers kNoDocumentErr when none is open. */
typedef struct AIDocumentSuite {
  /* The current document's handle, owned by the host while the document is open. */
  AIErr(KW_API* GetDocument)(AIDocumentHandle* document);
  /* The ruler origin in page coordinates (points, y up). */
  AIErr(KW_API* GetDocumentRulerOrigin)(AIRealPoint* origin);
  /* Copies the page setup into the caller's record. */
  AIErr(KW_API* GetDocumentSetup)(AIDocumentSetup* setup);
  /* Asks the host to redraw the document's windows. */
  AIErr(KW_API* RedrawDocument)(void);
} AIDocumentSuite;

KW_EXTERN_C_END

#ifdef KW_STATIC_ASSERT
KW_SUITE_SLOTS(AIDocumentSuite, 4);
KW_STATIC_ASSERT(sizeof(AIDocumentSetup) == 20, "the page setup record is 20 bytes");
#endif

#endif /* KERFWORKS_HOSTAPI_AI_DOCUMENT_SUITE_H */
