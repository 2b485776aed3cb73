// The palette's code driven directly over the stand-in host, which builds its dialogs from the
// plug-in's compiled resources. The cut file is named in a scratch folder and no cutting
// application is registered; the variables saying so are put back after each test.
#ifndef KERFWORKS_TESTS_PALETTE_PALETTE_FIXTURE_H
#define KERFWORKS_TESTS_PALETTE_PALETTE_FIXTURE_H

#include <memory>
#include <string>
#include <vector>

#include "palette/kerfworks_plugin_dialog.h"
#include "resources/palette_items.h"
#include "standin/core/environment.h"
#include "standin/model/dialog_user.h"
#include "support/plugin_host.h"

namespace palette_test {

inline const std::string kScratch = std::string(KW_BINARY_DIR) + "/palette_scratch";

class PaletteHostTest : public test_support::PluginHostTest {
 protected:
  PaletteHostTest();
  void TearDown() override;

  // The palette as the plug-in object makes it; its dialog, or null when none was built.
  ADMDialogRef OpenPalette();
  // Deletes the palette object as the plug-in object does.
  void DeletePalette();

  standin::DialogRecord& Dialog(ADMDialogRef dialog);
  standin::ItemRecord& Item(ADMDialogRef dialog, int id);
  // The menu resource a list item was filled from, and its chosen entry (-1: none).
  int MenuOf(const standin::ItemRecord& item);
  int ActiveEntry(const standin::ItemRecord& item) const;
  // The host sending an item or dialog a notification of `type`.
  void NotifyItem(ADMDialogRef dialog, int id, const char* type);
  void NotifyDialog(ADMDialogRef dialog, const char* type);

  // A value of the plug-in's preference section, as text ("h,v" for points, "-" when missing).
  std::string Pref(const std::string& key);
  void StorePref(const std::string& key, standin::PreferenceValue value);
  const std::vector<std::string>& PrefWrites();
  int Calls(const char* suite, const char* function);

  standin::DialogUser user_{host_};
  KerfworksPluginDialog* palette_ = nullptr;

 private:
  std::vector<std::unique_ptr<standin::ScopedEnvironment>> environment_;
};

}  // namespace palette_test

#endif  // KERFWORKS_TESTS_PALETTE_PALETTE_FIXTURE_H
