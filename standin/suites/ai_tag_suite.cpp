#include <cstring>

#include "hostapi/suites.h"
#include "standin/suites/document_access.h"
#include "standin/suites/tables.h"

namespace standin {
namespace {

constexpr char kSuite[] = kAITagSuite;

// Only string tags are kept; a name must say something.
bool CheckNameAndKind(const SuiteCall& call, const char* name, const char* kind, ASErr* err) {
  if (Missing(call, name, "tag name", err) || Missing(call, kind, "tag kind", err)) return false;
  if (name[0] == '\0') {
    *err = Misuse(call, "passed an empty tag name");
    return false;
  }
  if (std::strcmp(kind, kAITagKindString) != 0) {
    *err = Misuse(call, std::string("asked for tag kind \"") + kind + "\"");
    return false;
  }
  return true;
}

AIErr KW_API SetTag(AIArtHandle art, const char* name, const char* kind, const void* value) {
  KW_SUITE_CALL();
  ASErr err = kNoErr;
  ArtObject* object = ResolveArt(call, art, &err);
  if (object == nullptr) return err;
  if (!CheckNameAndKind(call, name, kind, &err)) return err;
  if (Missing(call, value, "tag value", &err)) return err;
  object->tags.insert_or_assign(name, ArtTag{kind, static_cast<const char*>(value)});
  return kNoErr;
}

AIErr KW_API GetTag(AIArtHandle art, const char* name, const char* kind, const char** value) {
  if (value != nullptr) *value = nullptr;
  KW_SUITE_CALL();
  ASErr err = kNoErr;
  const ArtObject* object = ResolveArt(call, art, &err);
  if (object == nullptr) return err;
  if (!CheckNameAndKind(call, name, kind, &err)) return err;
  auto tag = object->tags.find(name);
  if (tag == object->tags.end() || tag->second.kind != kind) return kTagNotFoundErr;
  if (value != nullptr) *value = tag->second.value.c_str();
  return kNoErr;
}

AIErr KW_API RemoveTag(AIArtHandle art, const char* name) {
  KW_SUITE_CALL();
  ASErr err = kNoErr;
  ArtObject* object = ResolveArt(call, art, &err);
  if (object == nullptr) return err;
  if (Missing(call, name, "tag name", &err)) return err;
  return object->tags.erase(name) != 0 ? kNoErr : kTagNotFoundErr;
}

}  // namespace

const AITagSuite* AITagSuiteTable() {
  static const AITagSuite table = {&SetTag, &GetTag, &RemoveTag};
  return &table;
}

}  // namespace standin
