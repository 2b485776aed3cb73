#include "hostapi/suites.h"
#include "standin/suites/document_access.h"
#include "standin/suites/tables.h"

namespace standin {
namespace {

constexpr char kSuite[] = kAIDocumentSuite;

AIErr KW_API GetDocument(AIDocumentHandle* document) {
  if (document != nullptr) *document = nullptr;
  KW_SUITE_CALL();
  ASErr err = kNoErr;
  if (Missing(call, document, "document pointer", &err)) return err;
  const Document* current = CurrentDocument(&err);
  if (current != nullptr) *document = current->handle;
  return err;
}

AIErr KW_API GetDocumentRulerOrigin(AIRealPoint* origin) {
  KW_SUITE_CALL();
  ASErr err = kNoErr;
  if (Missing(call, origin, "origin pointer", &err)) return err;
  const Document* current = CurrentDocument(&err);
  if (current != nullptr) *origin = current->rulerOrigin;
  return err;
}

AIErr KW_API GetDocumentSetup(AIDocumentSetup* setup) {
  KW_SUITE_CALL();
  ASErr err = kNoErr;
  if (Missing(call, setup, "setup pointer", &err)) return err;
  const Document* current = CurrentDocument(&err);
  if (current != nullptr) *setup = current->setup;
  return err;
}

AIErr KW_API RedrawDocument() {
  KW_SUITE_CALL();
  ASErr err = kNoErr;
  Document* current = CurrentDocument(&err);
  if (current != nullptr) ++current->redraws;
  return err;
}

}  // namespace

const AIDocumentSuite* AIDocumentSuiteTable() {
  static const AIDocumentSuite table = {&GetDocument, &GetDocumentRulerOrigin, &GetDocumentSetup,
                                        &RedrawDocument};
  return &table;
}

}  // namespace standin
