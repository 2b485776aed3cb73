// The host's menu items that plug-ins add: the group each sits in, its text and check mark.
#ifndef KERFWORKS_STANDIN_MODEL_MENUS_H
#define KERFWORKS_STANDIN_MODEL_MENUS_H

#include <cstdint>
#include <string>
#include <vector>

#include "hostapi/host_types.h"
#include "standin/core/handle_table.h"

namespace standin {

struct MenuItemRecord {
  std::string name;
  std::string groupName;
  std::string text;
  std::int32_t options = 0;
  bool checked = false;
};

struct MenuModel {
  HandleTable<AIMenuItemHandle, MenuItemRecord> items;
  std::vector<AIMenuItemHandle> order;  // as added

  // The item added with `name`, or null.
  AIMenuItemHandle Find(const std::string& name) const;
  const MenuItemRecord* Record(const std::string& name) const { return items.Find(Find(name)); }
};

}  // namespace standin

#endif  // KERFWORKS_STANDIN_MODEL_MENUS_H
