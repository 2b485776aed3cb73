// How the document suites find what a call names: the current document, an art object, a path,
// a layer. A handle the plug-in should not have passed (null, unknown, disposed, of the wrong
// kind) is recorded as misbehaviour under the call's name and answered with an error.
#ifndef KERFWORKS_STANDIN_SUITES_DOCUMENT_ACCESS_H
#define KERFWORKS_STANDIN_SUITES_DOCUMENT_ACCESS_H

#include <string>

#include "standin/suites/suite_call.h"

namespace standin {

// Records `what` against the call and answers kBadParameterErr.
ASErr Misuse(const SuiteCall& call, const std::string& what);

// Null (and *err kNoDocumentErr) when no document is open.
Document* CurrentDocument(ASErr* err);

// The live art object, or null with *err set and the misuse recorded.
ArtObject* ResolveArt(const SuiteCall& call, AIArtHandle art, ASErr* err);
// As ResolveArt, and the art must be one of the two types (pass the same type twice for one).
ArtObject* ResolveArtOfType(const SuiteCall& call, AIArtHandle art, std::int16_t type,
                            std::int16_t otherType, ASErr* err);
// The live layer of the current document, or null with *err set and the misuse recorded.
LayerObject* ResolveLayer(const SuiteCall& call, AILayerHandle layer, ASErr* err);

// Misuse unless `pointer` is set.
inline bool Missing(const SuiteCall& call, const void* pointer, const char* what, ASErr* err) {
  if (pointer != nullptr) return false;
  *err = Misuse(call, std::string("passed a null ") + what);
  return true;
}

}  // namespace standin

#endif  // KERFWORKS_STANDIN_SUITES_DOCUMENT_ACCESS_H
