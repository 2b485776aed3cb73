#include "standin/model/dialog_resources.h"

#include "standin/core/host.h"

namespace standin {
namespace {

template <typename T>
std::optional<T> Lookup(const std::map<int, T>& map, int id) {
  auto it = map.find(id);
  if (it == map.end()) return std::nullopt;
  return it->second;
}

}  // namespace

MemoryDialogResources& MemoryDialogResources::Add(DialogTemplate dialog) {
  dialogs_[dialog.id] = std::move(dialog);
  return *this;
}

MemoryDialogResources& MemoryDialogResources::Add(MenuTemplate menu) {
  menus_[menu.id] = std::move(menu);
  return *this;
}

MemoryDialogResources& MemoryDialogResources::AddImage(int id, Picture picture) {
  images_[id] = std::move(picture);
  return *this;
}

std::optional<DialogTemplate> MemoryDialogResources::Dialog(int id) const {
  return Lookup(dialogs_, id);
}

std::optional<MenuTemplate> MemoryDialogResources::Menu(int id) const {
  return Lookup(menus_, id);
}

std::optional<Picture> MemoryDialogResources::Image(int id) const {
  return Lookup(images_, id);
}

namespace {

// A resource that cannot be decoded is one the host cannot show; nothing may throw into the
// plug-in's frames.
template <typename Read>
auto Guarded(Host& host, int id, Read read) -> decltype(read()) {
  try {
    return read();
  } catch (const std::exception& error) {
    host.RecordMisbehaviour("stand-in host",
                            "resource " + std::to_string(id) + " cannot be read: " + error.what());
    return std::nullopt;
  }
}

}  // namespace

std::optional<DialogTemplate> PluginDialogResources::Dialog(int id) const {
  return Guarded(host_, id,
                 [&] { return host_.PluginResources().Dialog(id, host_.UserLanguage()); });
}

std::optional<MenuTemplate> PluginDialogResources::Menu(int id) const {
  return Guarded(host_, id, [&] { return host_.PluginResources().Menu(id, host_.UserLanguage()); });
}

std::optional<Picture> PluginDialogResources::Image(int id) const {
  return Guarded(host_, id, [&]() -> std::optional<Picture> {
    const Resources& resources = host_.PluginResources();
    const Language language = host_.UserLanguage();
    if (auto icon = resources.Icon(id, language)) return icon;
    if (auto bitmap = resources.Bitmap(id, language)) return bitmap;
    return resources.Png(id, language);
  });
}

}  // namespace standin
