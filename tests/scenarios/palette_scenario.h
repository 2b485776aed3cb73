// The palette through the real module: starting and ending sessions, and the palette's items.
#ifndef KERFWORKS_TESTS_SCENARIOS_PALETTE_SCENARIO_H
#define KERFWORKS_TESTS_SCENARIOS_PALETTE_SCENARIO_H

#include <functional>
#include <optional>
#include <string>

#include "scenarios/scenario_folder.h"
#include "standin/core/host.h"
#include "standin/model/dialog_user.h"

namespace kwtest {

inline constexpr char kPaletteName[] = "KerfworksPluginDialog";
inline constexpr char kPreferenceSection[] = "KerfworksPluginDialog";
inline constexpr char kMenuItemName[] = "Kerfworks Plugin Menu Item";
inline constexpr char kCropMarkTag[] = "KerfworksCropMark";
inline constexpr char kCutMarkTag[] = "KerfworksCutMark";

inline constexpr int kOutputButton = 16;
inline constexpr int kCropMarksButton = 21;
inline constexpr int kMarkButton = 22;
inline constexpr int kOutputModePopup = 23;
inline constexpr int kRedrawButton = 24;
inline constexpr int kPreviewItem = 25;

// Flyout entries, and the items of the crop-marks dialog.
inline constexpr int kFlyoutCropMarks = 0;
inline constexpr int kFlyoutSeparator = 1;
inline constexpr int kFlyoutHelp = 2;
inline constexpr int kFlyoutAbout = 3;
inline constexpr int kFieldX = 34;
inline constexpr int kFieldY = 35;
inline constexpr int kMachineTypePopup = 37;
inline constexpr int kMb1 = 3;
inline constexpr int kMb2 = 4;

class PaletteScenario : public ScenarioFolder {
 protected:
  // Start-up and the application-started notification; the palette, or null.
  static ADMDialogRef Start(standin::Host& host);
  // The application-shutdown notification and the plug-in's shut-down; nothing may be left.
  static void Stop(standin::Host& host);
  // The palette's item `id`; fails the test when there is none.
  static const standin::ItemRecord& Item(standin::Host& host, ADMDialogRef palette, int id);
  static int PreviewInvalidations(standin::Host& host, ADMDialogRef palette);
  // A page with one selected, filled and stroked rectangle named "box".
  static void OpenDocument(standin::Host& host);
  static std::size_t CropMarkCount(standin::Host& host);
  // A stored integer setting, or -1 when absent.
  static int StoredInteger(standin::Host& host, const std::string& key);
};

// One session per test: started with the palette open when the test first reaches for it, ended
// after the test, where nothing may be left behind. A test that needs another host restarts it.
class PaletteSession : public PaletteScenario {
 protected:
  void TearDown() override;

  // Ends the running session and starts one on a host of `options`, handed to `prepare` first.
  void Restart(standin::HostOptions options = {},
               const std::function<void(standin::Host&)>& prepare = {});
  // Ends the session now, so that a test can look at what it stored.
  void End();

  standin::Host& host() { return Started(), *host_; }
  ADMDialogRef palette() { return Started(), palette_; }
  standin::DialogUser& user() { return Started(), *user_; }
  const standin::ItemRecord& Item(int id) { return PaletteScenario::Item(host(), palette(), id); }
  int PreviewInvalidations() { return PaletteScenario::PreviewInvalidations(host(), palette()); }
  void OpenDocument() { PaletteScenario::OpenDocument(host()); }
  std::size_t CropMarkCount() { return PaletteScenario::CropMarkCount(host()); }
  int StoredInteger(const std::string& key) { return PaletteScenario::StoredInteger(host(), key); }

 private:
  void Started() {
    if (!host_) Restart();
  }

  std::optional<standin::Host> host_;
  std::optional<standin::DialogUser> user_;
  ADMDialogRef palette_ = nullptr;
  bool running_ = false;
};

}  // namespace kwtest

#endif  // KERFWORKS_TESTS_SCENARIOS_PALETTE_SCENARIO_H
