// The resources of a loaded module, read with the Win32 resource functions as the drawing
// application reads them.
#include <windows.h>

#include <cctype>
#include <stdexcept>

#include "standin/resources/resources.h"

namespace standin {
namespace {

using RawMap = std::map<Resources::Key, std::vector<std::uint8_t>>;

struct Walk {
  HMODULE module;
  RawMap* raw;
  LPCSTR type = nullptr;
  LPCSTR name = nullptr;
  bool failed = false;
};

std::string UpperName(LPCSTR name) {
  std::string text(name);
  for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

BOOL CALLBACK OnLanguage(HMODULE module, LPCSTR type, LPCSTR name, WORD language, LONG_PTR p) {
  auto* walk = reinterpret_cast<Walk*>(p);
  const HRSRC found = FindResourceExA(module, type, name, language);
  const HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
  const auto* bytes = loaded ? static_cast<const std::uint8_t*>(LockResource(loaded)) : nullptr;
  if (bytes == nullptr) {
    walk->failed = true;
    return FALSE;
  }
  Resources::Key key;
  if (IS_INTRESOURCE(type)) {
    key.type = static_cast<std::uint16_t>(reinterpret_cast<ULONG_PTR>(type));
  } else {
    key.typeName = UpperName(type);
  }
  if (IS_INTRESOURCE(name)) {
    key.id = static_cast<std::uint16_t>(reinterpret_cast<ULONG_PTR>(name));
  } else {
    key.name = UpperName(name);
  }
  key.language = language;
  (*walk->raw)[key].assign(bytes, bytes + SizeofResource(module, found));
  return TRUE;
}

BOOL CALLBACK OnName(HMODULE module, LPCSTR type, LPSTR name, LONG_PTR p) {
  EnumResourceLanguagesA(module, type, name, &OnLanguage, p);
  return !reinterpret_cast<Walk*>(p)->failed;
}

BOOL CALLBACK OnType(HMODULE module, LPSTR type, LONG_PTR p) {
  EnumResourceNamesA(module, type, &OnName, p);
  return !reinterpret_cast<Walk*>(p)->failed;
}

}  // namespace

Resources Resources::FromModule(void* module, const std::string& what) {
  RawMap raw;
  Walk walk{static_cast<HMODULE>(module), &raw};
  // A module without resources makes the walk fail with ERROR_RESOURCE_DATA_NOT_FOUND.
  if (!EnumResourceTypesA(walk.module, &OnType, reinterpret_cast<LONG_PTR>(&walk)) &&
      (walk.failed || raw.empty())) {
    throw std::runtime_error(what + ": its resources cannot be read");
  }
  return Resources(std::move(raw));
}

}  // namespace standin
