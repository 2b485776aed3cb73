#include "hostapi/suites.h"
#include "standin/suites/document_access.h"
#include "standin/suites/tables.h"

namespace standin {
namespace {

constexpr char kSuite[] = kAIPathStyleSuite;

// A compound path carries the style its paths are painted with.
ArtObject* ResolveStyled(const SuiteCall& call, AIArtHandle art, ASErr* err) {
  return ResolveArtOfType(call, art, kPathArt, kCompoundPathArt, err);
}

AIErr KW_API GetPathStyle(AIArtHandle path, AIPathStyle* style) {
  KW_SUITE_CALL();
  ASErr err = kNoErr;
  if (Missing(call, style, "style pointer", &err)) return err;
  const ArtObject* object = ResolveStyled(call, path, &err);
  if (object != nullptr) *style = object->style;
  return err;
}

AIErr KW_API SetPathStyle(AIArtHandle path, const AIPathStyle* style) {
  KW_SUITE_CALL();
  ASErr err = kNoErr;
  if (Missing(call, style, "style pointer", &err)) return err;
  ArtObject* object = ResolveStyled(call, path, &err);
  if (object != nullptr) object->style = *style;
  return err;
}

}  // namespace

const AIPathStyleSuite* AIPathStyleSuiteTable() {
  static const AIPathStyleSuite table = {&GetPathStyle, &SetPathStyle};
  return &table;
}

}  // namespace standin
