// The plug-in's compiled resources, read the way the drawing application reads them: from the
// `.res` file beside the module (elsewhere) or from the module itself (on Windows). Strings come
// out as UTF-8; every resource is looked up by type, id and language, falling back to the
// other language when the asked one is missing (as Windows' resource lookup does).
#ifndef KERFWORKS_STANDIN_RESOURCES_RESOURCES_H
#define KERFWORKS_STANDIN_RESOURCES_RESOURCES_H

#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

namespace standin {

// The two languages of the plug-in's resources, with their Windows language ids.
enum class Language : std::uint16_t { kEnglish = 1033, kJapanese = 1041 };

// One control of a dialog template, in dialog units.
struct DialogItemTemplate {
  int id = 0;
  // The template's window class: a name ("ADM Picture Push Button Type", "Button", "Static",
  // ...) or, for the predefined classes given by number, their name ("Button" for 0x80,
  // "Edit" 0x81, "Static" 0x82, "ListBox" 0x83, "ScrollBar" 0x84, "ComboBox" 0x85).
  // Class names are case-insensitive, as Windows treats them, and the resource compiler stores
  // them in upper case: compare with SameWindowClass.
  std::string windowClass;
  // The control's text; a text given by resource number reads "#<number>".
  std::string text;
  std::uint32_t style = 0;
  std::uint32_t exStyle = 0;
  int x = 0, y = 0, width = 0, height = 0;
};

struct DialogTemplate {
  int id = 0;
  std::string caption;
  std::string fontName;
  int fontSize = 0;
  std::uint32_t style = 0;
  int x = 0, y = 0, width = 0, height = 0;
  std::vector<DialogItemTemplate> items;
};

// One entry of a menu resource; a separator has id 0, empty text and `separator` set.
struct MenuEntry {
  int id = 0;
  std::string text;
  bool separator = false;
  std::vector<MenuEntry> children;  // a popup's entries
};

struct MenuTemplate {
  int id = 0;
  std::vector<MenuEntry> entries;  // of the menu's one top-level popup, when it has one
};

// A decoded picture (icon, bitmap or PNG): 32-bit ARGB pixels (not premultiplied), row 0 at
// the top. `bitCount` and `compression` describe the stored image (a DIB's biBitCount and
// biCompression: 0 BI_RGB, 1 BI_RLE8, 2 BI_RLE4; a PNG reads 32 and 0).
struct Picture {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> argb;
  int bitCount = 32;
  std::uint32_t compression = 0;
};

// Whether two window class names are the same class (ASCII case-insensitive).
bool SameWindowClass(std::string_view a, std::string_view b);

class Resources {
 public:
  // The raw resources, keyed by (type, id, language). Type is the Windows type number
  // (RT_STRING 6, RT_DIALOG 5, ...) or, for named types, 0 with the name in `typeName`; a
  // resource named by a string has id 0 and the name in `name`. Names are kept in upper case,
  // since Windows looks them up case-insensitively.
  struct Key {
    std::uint16_t type = 0;
    std::string typeName;
    std::uint16_t id = 0;
    std::string name;
    std::uint16_t language = 0;
    auto operator<=>(const Key&) const = default;
  };

  Resources() = default;
  explicit Resources(std::map<Key, std::vector<std::uint8_t>> raw) : raw_(std::move(raw)) {}

  // Reads a compiled `.res` file; throws std::runtime_error naming the file and the fault.
  static Resources FromResFile(const std::string& path);
  // The same from the file's bytes; `what` names them in error messages.
  static Resources FromResBytes(std::span<const std::uint8_t> bytes, const std::string& what);
#ifdef _WIN32
  // The resources compiled into a loaded module (its HMODULE); throws when there are none.
  static Resources FromModule(void* module, const std::string& what);
#endif

  // Raw bytes of one resource, with the language fallback; null when absent.
  const std::vector<std::uint8_t>* Raw(std::uint16_t type, std::uint16_t id,
                                       Language language) const;
  const std::vector<std::uint8_t>* RawNamed(const std::string& typeName, std::uint16_t id,
                                            Language language) const;

  // The decoders below answer nullopt when the resource is absent and throw std::runtime_error
  // naming the resource and the fault when it is present but corrupt.

  // String resource `id` (string table block id / 16 + 1, entry id % 16), UTF-8; nullopt when
  // absent. A string table cannot tell an empty string from a missing one (Windows' LoadString
  // fails for both), so an empty entry answers nullopt too.
  std::optional<std::string> String(int id, Language language) const;
  std::optional<DialogTemplate> Dialog(int id, Language language) const;
  std::optional<MenuTemplate> Menu(int id, Language language) const;
  // Icon group `id` (the best 32 × 32 image), bitmap `id`, or the PNG picture `id` (custom type
  // "PNG", else RCDATA).
  std::optional<Picture> Icon(int id, Language language) const;
  std::optional<Picture> Bitmap(int id, Language language) const;
  std::optional<Picture> Png(int id, Language language) const;

  const std::map<Key, std::vector<std::uint8_t>>& All() const {
    return raw_;
  }

 private:
  std::map<Key, std::vector<std::uint8_t>> raw_;
};

}  // namespace standin

#endif  // KERFWORKS_STANDIN_RESOURCES_RESOURCES_H
