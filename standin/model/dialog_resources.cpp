#include "standin/model/dialog_resources.h"

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

}  // namespace standin
