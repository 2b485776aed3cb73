#include "standin/model/menus.h"

namespace standin {

AIMenuItemHandle MenuModel::Find(const std::string& name) const {
  for (AIMenuItemHandle handle : order) {
    const MenuItemRecord* record = items.Find(handle);
    if (record != nullptr && record->name == name) return handle;
  }
  return nullptr;
}

}  // namespace standin
