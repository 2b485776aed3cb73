#include "palette_fixture.h"

#include <filesystem>
#include <stdexcept>
#include <variant>

#include "output/settings.h"

namespace palette_test {
namespace {

struct PrefText {
  std::string operator()(bool value) const { return value ? "1" : "0"; }
  std::string operator()(std::int32_t value) const { return std::to_string(value); }
  std::string operator()(AIReal value) const { return std::to_string(value); }
  std::string operator()(const std::string& value) const { return value; }
  std::string operator()(const ASPoint& value) const {
    return std::to_string(value.h) + "," + std::to_string(value.v);
  }
};

}  // namespace

PaletteHostTest::PaletteHostTest() : PluginHostTest(WithPluginResources()) {
  std::filesystem::create_directories(kScratch);
  for (const auto& [name, value] : {std::pair<const char*, std::string>{"TMPDIR", kScratch},
                                    {"KW_REGISTRY_USER", kScratch + "/no-user-registry"},
                                    {"KW_REGISTRY_MACHINE", kScratch + "/no-machine-registry"}}) {
    environment_.push_back(std::make_unique<standin::ScopedEnvironment>(name, value));
  }
}

void PaletteHostTest::TearDown() {
  DeletePalette();
  PluginHostTest::TearDown();
}

ADMDialogRef PaletteHostTest::OpenPalette() {
  Run([&] { palette_ = new KerfworksPluginDialog(host_.PluginRef()); });
  return user_.FindDialog(kPaletteDialogName);
}

void PaletteHostTest::DeletePalette() {
  if (palette_ == nullptr) return;
  Run([&] { delete palette_; });
  palette_ = nullptr;
}

standin::DialogRecord& PaletteHostTest::Dialog(ADMDialogRef dialog) {
  standin::DialogRecord* record = host_.Dialogs().Dialog(dialog, {"palette test", "Dialog"});
  if (record == nullptr) throw std::logic_error("no such dialog");
  return *record;
}

standin::ItemRecord& PaletteHostTest::Item(ADMDialogRef dialog, int id) {
  standin::ItemRecord* item = host_.Dialogs().FindItem(host_.Dialogs().ItemById(dialog, id));
  if (item == nullptr) throw std::logic_error("no item " + std::to_string(id));
  return *item;
}

int PaletteHostTest::MenuOf(const standin::ItemRecord& item) {
  const standin::ListRecord* list = host_.Dialogs().List(item.list, {"palette test", "MenuOf"});
  return list == nullptr ? 0 : list->menuId;
}

int PaletteHostTest::ActiveEntry(const standin::ItemRecord& item) const {
  return user_.ActiveIndex(item).value_or(-1);
}

void PaletteHostTest::NotifyItem(ADMDialogRef dialog, int id, const char* type) {
  host_.Dialogs().NotifyItem(host_.Dialogs().ItemById(dialog, id), type);
}

void PaletteHostTest::NotifyDialog(ADMDialogRef dialog, const char* type) {
  host_.Dialogs().NotifyDialog(dialog, type);
}

std::string PaletteHostTest::Pref(const std::string& key) {
  const standin::PreferenceValue* value = host_.Preferences().Find(kPreferenceSection, key);
  return value == nullptr ? "-" : std::visit(PrefText{}, *value);
}

void PaletteHostTest::StorePref(const std::string& key, standin::PreferenceValue value) {
  host_.Preferences().Set(kPreferenceSection, key, std::move(value));
}

const std::vector<std::string>& PaletteHostTest::PrefWrites() {
  return host_.Preferences().WriteLog();
}

int PaletteHostTest::Calls(const char* suite, const char* function) {
  return host_.Gate().Calls(suite, function);
}

}  // namespace palette_test
