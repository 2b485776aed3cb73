// AI Menu Suite over the menu model: items plug-ins add, with their text and check mark.
#include "hostapi/suites.h"
#include "standin/core/stub.h"
#include "standin/model/menus.h"
#include "standin/suites/suite_call.h"
#include "standin/suites/tables.h"

namespace standin {
namespace {

constexpr char kSuite[] = kAIMenuSuite;

MenuItemRecord* Find(AIMenuItemHandle item, const SuiteCall& call) {
  Host& host = Host::Current();
  switch (host.Menus().items.State(item)) {
    case HandleState::kLive:
      return host.Menus().items.Find(item);
    case HandleState::kDisposed:
      host.RecordMisbehaviour(call, "used a removed menu item");
      return nullptr;
    case HandleState::kUnknown:
      host.RecordMisbehaviour(call, "passed an unknown menu item");
      return nullptr;
  }
  return nullptr;
}

const UnicodeString* FindString(AIUnicodeStringHandle text, const SuiteCall& call) {
  Host& host = Host::Current();
  const UnicodeString* found = host.App().strings.Find(text);
  if (found == nullptr) {
    host.RecordMisbehaviour(call, "passed an unknown host string");
  }
  return found;
}

AIErr KW_API AddMenuItem(SPPluginRef plugin, const char* name,
                         const AIPlatformAddMenuItemData* data, int32_t options,
                         AIMenuItemHandle* item) {
  if (item != nullptr) *item = nullptr;
  KW_SUITE_CALL();
  Host& host = Host::Current();
  if (plugin != host.PluginRef()) {
    host.RecordMisbehaviour(call, "passed an unknown plug-in reference");
    return kBadParameterErr;
  }
  if (!NonNull(name, call, "name") || !NonNull(data, call, "item data") ||
      !NonNull(data->groupName, call, "group name")) {
    return kBadParameterErr;
  }
  const UnicodeString* text = FindString(data->itemText, call);
  if (text == nullptr) return kBadParameterErr;
  MenuModel& menus = host.Menus();
  if (menus.Find(name) != nullptr) {
    host.RecordMisbehaviour(call, std::string("added menu item \"") + name + "\" twice");
    return kBadParameterErr;
  }
  const AIMenuItemHandle handle = menus.items.Add(
      std::make_unique<MenuItemRecord>(MenuItemRecord{name, data->groupName, text->utf8, options}));
  menus.order.push_back(handle);
  if (item != nullptr) *item = handle;
  return kNoErr;
}

AIErr KW_API SetItemText(AIMenuItemHandle item, AIUnicodeStringHandle text) {
  KW_SUITE_CALL();
  MenuItemRecord* record = Find(item, call);
  const UnicodeString* string = FindString(text, call);
  if (record == nullptr || string == nullptr) return kBadParameterErr;
  record->text = string->utf8;
  return kNoErr;
}

AIErr KW_API GetItemText(AIMenuItemHandle item, AIUnicodeStringHandle* text) {
  if (text != nullptr) *text = nullptr;
  KW_SUITE_CALL();
  const MenuItemRecord* record = Find(item, call);
  if (record == nullptr || !NonNull(text, call, "string pointer")) {
    return kBadParameterErr;
  }
  *text = Host::Current().App().strings.Add(
      std::make_unique<UnicodeString>(UnicodeString{record->text}));
  return kNoErr;
}

AIErr KW_API CheckItem(AIMenuItemHandle item, AIBoolean checked) {
  KW_SUITE_CALL();
  MenuItemRecord* record = Find(item, call);
  if (record == nullptr) return kBadParameterErr;
  record->checked = checked != 0;
  return kNoErr;
}

}  // namespace

const AIMenuSuite* AIMenuSuiteTable() {
  static const AIMenuSuite table = {
      &AddMenuItem,
      {&ReservedSlot, &ReservedSlot, &ReservedSlot, &ReservedSlot, &ReservedSlot, &ReservedSlot,
       &ReservedSlot, &ReservedSlot, &ReservedSlot, &ReservedSlot, &ReservedSlot, &ReservedSlot,
       &ReservedSlot},
      &SetItemText,
      &GetItemText,
      &CheckItem,
  };
  return &table;
}

}  // namespace standin
