#include "sweep/sweep_session.h"

#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <variant>

#include "hostapi/messages.h"
#include "palette/crop_marks_dialog.h"
#include "plugin/kerfworks_plugin.h"
#include "resources/palette_items.h"
#include "standin/model/dialog_system.h"
#include "standin/model/dialog_user.h"
#include "standin/model/menus.h"
#include "standin/model/modal_script.h"
#include "standin/scenario/document_builder.h"
#include "tools/receiver/cut_file_reader.h"

#ifdef _WIN32
#include "windows/windows_helpers.h"
#endif

namespace sweep {
namespace {

namespace fs = std::filesystem;
using standin::DialogUser;
using standin::Host;
using standin::ModalScript;

constexpr int kAboutOkButton = 1;
constexpr std::int64_t kClock = 1700000000;

// Steps act on the palette when there is one: an injected failure may rightly leave none.
void OnPalette(Host& host, const std::function<void(DialogUser&, ADMDialogRef)>& act) {
  DialogUser user(host);
  if (const ADMDialogRef palette = user.FindDialog(kPaletteDialogName)) act(user, palette);
}

void Menu(Host& host, const char* selector) {
  if (AIMenuItemHandle item = host.Menus().Find(kMenuItemName)) host.Menu(item, selector);
}

Session Cut(int mode, bool cropMarks) {
  static const char* const kModes[] = {"all", "selected", "layer", "marked"};
  return {std::string("cut-") + kModes[mode] + (cropMarks ? "-crop-marks" : ""),
          [mode, cropMarks](Host& host) {
            OnPalette(host, [&](DialogUser& user, ADMDialogRef palette) {
              user.Pick(palette, kOutputModePopup, mode);
              if (cropMarks) user.Press(palette, kCropMarksButton);
              user.Press(palette, kOutputButton);
            });
          }};
}

Session CropMarksDialog(int button) {
  return {button == kCropOkButton ? "crop-marks-dialog-ok" : "crop-marks-dialog-cancel",
          [button](Host& host) {
            host.Dialogs().QueueModalScript(
                ModalScript().Set(kCropHorzDistanceField, 200.0f).Press(button));
            OnPalette(host, [](DialogUser& user, ADMDialogRef palette) {
              user.PickFlyout(palette, kFlyoutCropMarks);
            });
          }};
}

std::vector<Session> MakeSessions() {
  std::vector<Session> sessions = {
      {"start-up", [](Host&) {}},
      {"menu",
       [](Host& host) {
         for (const char* selector : {hostapi::kAIUpdateSelector, hostapi::kAIGoSelector,
                                      hostapi::kAIUpdateSelector, hostapi::kAIGoSelector}) {
           Menu(host, selector);
         }
       }},
      {"picture-buttons",
       [](Host& host) {
         OnPalette(host, [](DialogUser& user, ADMDialogRef palette) {
           for (int button : {kOutlineTextButton, kOutlineStrokeButton, kMergePathsButton,
                              kOffsetPathButton, kCropMarksButton, kMarkPathsButton}) {
             user.Press(palette, button);
           }
         });
       }},
      CropMarksDialog(kCropOkButton),
      CropMarksDialog(kCropCancelButton),
      {"preview-paint",
       [](Host& host) {
         OnPalette(host, [](DialogUser& user, ADMDialogRef palette) {
           user.Redraw(palette, kPreviewItem);
         });
       }},
      {"help",
       [](Host& host) {
         OnPalette(host, [](DialogUser& user, ADMDialogRef palette) {
           user.PickFlyout(palette, kFlyoutHelp);
         });
       }},
      {"about",
       [](Host& host) {
         host.Dialogs().QueueModalScript(ModalScript().Press(kAboutOkButton));
         OnPalette(host, [](DialogUser& user, ADMDialogRef palette) {
           user.PickFlyout(palette, kFlyoutAbout);
         });
       }},
      {"selection-change",
       [](Host& host) { host.NotifyType(hostapi::kAIArtSelectionChangedNotifier); }},
      {"unload-reload",
       [](Host& host) {
         host.Unload();
         host.Reload();
       }},
  };
  for (int mode = 0; mode < 4; ++mode) {
    for (bool cropMarks : {false, true}) sessions.push_back(Cut(mode, cropMarks));
  }
  return sessions;
}

void OpenDocument(Host& host) {
  standin::DocumentBuilder doc(host.Documents());
  doc.Page(595.2756f, 841.8898f);
  doc.Layer("Cut");
  doc.Rectangle("box", 200, 300, 100, 100).Filled().Stroked().Selected();
  doc.Circle("dot", 100, 100, 20).Stroked();
}

// Start-up, application started, the session's steps, application shut-down, shut-down; a step
// the host would not take after a failed start-up is left out. A plug-in whose reload failed is
// reloaded before its next message, which it does not get when that fails again. Returns whether
// the plug-in got its shut-down.
bool Play(Host& host, const Session& session) {
  OpenDocument(host);
  if (host.Startup() != kNoErr) return true;
  host.NotifyType(hostapi::kAIApplicationStartedNotifier);
  session.steps(host);
  if (host.State() == standin::PluginState::kUnloaded && host.Reload() != kNoErr) return false;
  host.NotifyType(hostapi::kAIApplicationShutdownNotifier);
  host.Shutdown();
  return true;
}

// A press the dialog could not act on because the host failed its own handling of it: the host
// closes the dialog, which is not the plug-in's doing.
bool IsUnclosableModal(const std::string& line) {
  return line.starts_with("modal script: the script left modal dialog");
}

std::vector<std::string> Lines(const fs::path& path) {
  std::vector<std::string> lines;
  std::ifstream in(path);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

}  // namespace

const std::vector<Session>& Sessions() {
  static const std::vector<Session> sessions = MakeSessions();
  return sessions;
}

const Session& SessionNamed(const std::string& name) {
  for (const Session& session : Sessions()) {
    if (session.name == name) return session;
  }
  throw std::logic_error("no sweep session " + name);
}

Sweeper::Sweeper() : folder_("kw-sweep", "temporary") {
  folder_.Set("KW_SHELL_LOG", (folder_.Path() / "shell.log").string());
  folder_.Set("KW_ACTIVITY_LOG", (folder_.Path() / "activity.log").string());
#ifdef _WIN32
  if (!wintest::SetApplicationPath(wintest::Hive::kCurrentUser,
                                   wintest::WindowsPath(KW_SWEEP_APPLICATION))) {
    throw std::runtime_error("cannot register the cutting application");
  }
#else
  folder_.RegisterCuttingApplication(KW_SWEEP_APPLICATION);
#endif
}

Sweeper::~Sweeper() {
#ifdef _WIN32
  wintest::RemoveApplicationKey(wintest::Hive::kCurrentUser);
#endif
}

void Sweeper::Clear() {
  fs::remove(folder_.Path() / "shell.log");
  fs::remove(folder_.Path() / "activity.log");
  fs::remove_all(folder_.Path() / "temporary");
  fs::create_directories(folder_.Path() / "temporary");
}

RunResult Sweeper::Run(const Session& session, std::optional<HostCallFailure> hostFailure,
                       const std::string& failing) {
  Clear();
  RunResult result;
  std::optional<standin::ScopedEnvironment> failure;
  if (!failing.empty()) failure.emplace("KW_PLATFORM_FAIL", failing);
  {
    Host host;
    host.SetClock(kClock);
    host.Gate().AnswerAsHost(true);
    if (hostFailure)
      host.Gate().FailCall(hostFailure->k, standin::kInjectedFailureErr, hostFailure->onward);
    bool shutDown = true;
    try {
      shutDown = Play(host, session);
    } catch (const std::exception& error) {
      result.faults.push_back(std::string("exception out of the plug-in: ") + error.what());
    } catch (...) {
      result.faults.push_back("exception out of the plug-in");
    }
    host.Dialogs().DropUnusedScripts();
    // Unless it was shut down the plug-in still rightly holds what it keeps between messages;
    // only what it did wrong counts.
    const std::vector<std::string> left = shutDown ? host.Leftovers() : host.Misbehaviour();
    for (const std::string& line : left) {
      if (!(hostFailure && IsUnclosableModal(line))) result.faults.push_back(line);
    }
    result.hostCalls = host.Gate().Count();
  }
  result.shellOpened = !Lines(folder_.Path() / "shell.log").empty();
  for (const std::string& line : Lines(folder_.Path() / "activity.log")) {
    if (line.rfind("start ", 0) != 0) continue;
    bool found = false;
    for (const auto& entry : fs::directory_iterator(folder_.Path() / "temporary")) {
      // By name only: Windows may give the application the folder's short (8.3) form.
      if (line.find(entry.path().filename().string()) == std::string::npos) continue;
      result.cutFileStarted = test_support::ReadFile(entry.path());
      found = true;
    }
    if (!found) {
      result.faults.push_back("started the cutting application on no cut file: " + line);
    } else if (!std::holds_alternative<receiver::CutFile>(
                   receiver::ParseCutFile(result.cutFileStarted))) {
      result.faults.push_back("started the cutting application on a cut file not written whole");
    }
  }
  return result;
}

}  // namespace sweep
