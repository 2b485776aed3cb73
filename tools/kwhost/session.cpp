#include "tools/kwhost/session.h"

#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <memory>
#include <stdexcept>

#include "hostapi/messages.h"
#include "standin/core/environment.h"
#include "standin/core/host.h"
#include "standin/model/dialog_user.h"
#include "standin/render/drawer_image.h"
#include "standin/resources/resources.h"
#include "tools/kwhost/document_export.h"
#include "tools/kwhost/drawing_loader.h"
#include "tools/kwhost/event_report.h"
#include "tools/kwhost/preference_file.h"
#include "tools/kwhost/svg/svg_import.h"

namespace kwhost {
namespace {

namespace fs = std::filesystem;

constexpr const char kPaletteName[] = "KerfworksPluginDialog";
constexpr const char kCropMarksDialogName[] = "kerfworks-Edit";
constexpr const char kAboutDialogName[] = "kerfworks-About";
constexpr int kModePopup = 23;
constexpr int kPreviewItem = 25;
constexpr int kFlyoutCropMarks = 0, kFlyoutHelp = 2, kFlyoutAbout = 3;
constexpr int kMachineTypePopup = 37, kWidthField = 32, kLengthField = 33, kLeftField = 34,
              kBottomField = 35, kOk = 1, kCancel = 2;
constexpr int kAboutDialogId = 16080;

class InputError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A scratch folder for the OS layer's notes, removed with the session.
class ScratchFolder {
 public:
  ScratchFolder() {
    const char* tmp = getenv("TMPDIR");
    std::string pattern =
        (fs::path(tmp != nullptr && *tmp != '\0' ? tmp : "/tmp") / "kwhost-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) throw InputError("cannot make a temporary folder");
    path_ = pattern;
  }
  ~ScratchFolder() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  std::string File(const char* name) const { return (path_ / name).string(); }

 private:
  fs::path path_;
};

// Everything that can be checked before the plug-in runs: ids and layer names must exist.
// Throws InputError or SelectionError.
void CheckSteps(const Options& options, const svg::Drawing& drawing, const LoadedDrawing& loaded) {
  for (const Step& step : options.steps) {
    if (step.kind == Step::Kind::kSelect) {
      for (const std::string& id : step.ids) ArtWithId(loaded, id);
    } else if (step.kind == Step::Kind::kLayer) {
      bool found = false;
      for (const svg::Layer& layer : drawing.layers) found = found || layer.name == step.value;
      if (!found) throw InputError("the drawing has no layer \"" + step.value + "\"");
    }
  }
}

class Runner {
 public:
  Runner(const Options& options, standin::Host& host, const LoadedDrawing& loaded,
         EventReport& report, std::ostream& out)
      : options_(options), host_(host), loaded_(loaded), report_(report), out_(out), user_(host) {}

  // False when the palette is not there to act on.
  bool Run() {
    palette_ = user_.FindDialog(kPaletteName);
    if (palette_ == nullptr) {
      out_ << "kwhost: the plug-in made no palette\n";
      return false;
    }
    for (const Step& step : options_.steps) {
      out_ << "> " << step.text << std::endl;
      if (!Perform(step)) out_ << "  not done: " << user_.LastError() << "\n";
      report_.PrintNew();
    }
    return true;
  }

 private:
  bool Perform(const Step& step) {
    switch (step.kind) {
      case Step::Kind::kMode:
        return user_.Pick(palette_, kModePopup, ModeIndex(step.value));
      case Step::Kind::kSelect:
        Select(step.ids);
        return true;
      case Step::Kind::kLayer:
        return ChooseLayer(step.value);
      case Step::Kind::kPress: {
        const Button* button = FindButton(step.value);
        return button != nullptr && user_.Press(palette_, button->item);
      }
      case Step::Kind::kCropMarks:
        return CropMarks(step.cropMarks);
      case Step::Kind::kPreview:
        return Preview(step);
      case Step::Kind::kSave:
        return Save(step.value);
      case Step::Kind::kHelpFile:
        return user_.PickFlyout(palette_, kFlyoutHelp);
      case Step::Kind::kAbout:
        return About();
    }
    return false;
  }

  void Select(const std::vector<std::string>& ids) {
    standin::DocumentModel& model = host_.Documents();
    for (AIArtHandle art : model.PaintOrder()) model.FindArt(art)->attributes &= ~kArtSelected;
    SelectById(loaded_, ids, model);
    host_.NotifyType(hostapi::kAIArtSelectionChangedNotifier);
  }

  bool ChooseLayer(const std::string& title) {
    standin::Document* document = host_.Documents().Current();
    for (AILayerHandle layer : document->layers) {
      if (host_.Documents().FindLayer(layer)->title == title) {
        document->currentLayer = layer;
        return true;
      }
    }
    return false;
  }

  bool CropMarks(const CropMarkEntries& entries) {
    standin::ModalScript script;
    script.For(kCropMarksDialogName).Pick(kMachineTypePopup, entries.machineType);
    if (entries.w) script.Set(kWidthField, *entries.w);
    if (entries.l) script.Set(kLengthField, *entries.l);
    if (entries.x) script.Set(kLeftField, *entries.x);
    if (entries.y) script.Set(kBottomField, *entries.y);
    script.Press(entries.cancel ? kCancel : kOk);
    host_.Dialogs().QueueModalScript(script);
    return user_.PickFlyout(palette_, kFlyoutCropMarks);
  }

  bool Preview(const Step& step) {
    if (step.previewWidth && !ResizePreview(*step.previewWidth, *step.previewHeight)) return false;
    const auto drawn = user_.Redraw(palette_, kPreviewItem);
    if (!drawn) return false;
    const standin::DrawerImage image(*drawn);
    image.WritePng(step.value);
    out_ << "  preview written: " << step.value << " (" << image.Width() << " x " << image.Height()
         << ")\n";
    return true;
  }

  // Sizes the palette so that its preview item gets `width` x `height`, or as near as the
  // palette's size steps allow. The palette lays the preview out anew on every resize, so the
  // second pass corrects for the first.
  bool ResizePreview(int width, int height) {
    for (int pass = 0; pass < 2; ++pass) {
      const standin::ItemRecord* preview = user_.Item(palette_, kPreviewItem);
      const standin::DialogRecord* palette = user_.Dialog(palette_);
      if (preview == nullptr || palette == nullptr) return false;
      const int paletteWidth = width + (palette->bounds.right - palette->bounds.left) -
                               (preview->bounds.right - preview->bounds.left);
      const int paletteHeight = height + (palette->bounds.bottom - palette->bounds.top) -
                                (preview->bounds.bottom - preview->bounds.top);
      if (!user_.Resize(palette_, paletteWidth, paletteHeight)) return false;
    }
    return true;
  }

  bool Save(const std::string& path) {
    try {
      WriteDocumentSvg(host_.Documents(), path);
    } catch (const ExportError& error) {
      out_ << "  not saved: " << error.what() << "\n";
      return true;
    }
    out_ << "  document saved: " << path << "\n";
    return true;
  }

  bool About() {
    host_.Dialogs().QueueModalScript(standin::ModalScript().For(kAboutDialogName).Press(kOk));
    if (!user_.PickFlyout(palette_, kFlyoutAbout)) return false;
    const auto about = host_.PluginResources().Dialog(kAboutDialogId, host_.UserLanguage());
    if (about) {
      out_ << "  about box: " << about->caption;
      for (const auto& item : about->items) {
        if (!item.text.empty() && item.id != kOk) out_ << " | " << item.text;
      }
      out_ << "\n";
    }
    return true;
  }

  const Options& options_;
  standin::Host& host_;
  const LoadedDrawing& loaded_;
  EventReport& report_;
  std::ostream& out_;
  standin::DialogUser user_;
  ADMDialogRef palette_ = nullptr;
};

// The books of the session as the host closes them: the count of host calls when asked, then
// whatever the plug-in left behind or did wrong, which overrides `status`.
int CloseBooks(const Options& options, standin::Host& host, int status, std::ostream& out,
               std::ostream& err) {
  if (options.hostCalls) out << "host calls: " << host.Gate().Count() << "\n";
  const std::vector<std::string> leftovers = host.Leftovers();
  for (const std::string& leftover : leftovers) {
    err << "kwhost: the plug-in left behind: " << leftover << "\n";
  }
  return leftovers.empty() ? status : kExitLeftovers;
}

standin::HostOptions HostOptionsFor(const Options& options) {
  standin::HostOptions host;
  if (!options.pluginPath.empty()) host.modulePath = options.pluginPath;
  host.japanese = options.japanese;
  return host;
}

}  // namespace

int RunSession(const Options& options, std::ostream& out, std::ostream& err) {
  std::unique_ptr<standin::Host> host;
  std::string preferencesPath;
  svg::Drawing drawing;
  try {
    drawing = svg::ImportSvgFile(options.drawing);
    preferencesPath =
        options.preferencesPath.empty() ? DefaultPreferencePath() : options.preferencesPath;
    standin::PreferenceStore stored;
    if (!preferencesPath.empty()) LoadPreferences(preferencesPath, stored);
    host = std::make_unique<standin::Host>(HostOptionsFor(options));
    for (const auto& [key, value] : stored.All())
      host->Preferences().Set(key.first, key.second, value);
  } catch (const std::exception& error) {
    err << "kwhost: " << error.what() << "\n";
    return kExitInputError;
  }
  if (options.hostVersion) host->App().appMajorVersion = *options.hostVersion;
  const LoadedDrawing loaded = LoadDrawing(drawing, host->Documents());
  host->Documents().Current()->rulerOrigin = {options.rulerOriginX, options.rulerOriginY};
  try {
    CheckSteps(options, drawing, loaded);
  } catch (const std::runtime_error& error) {
    err << "kwhost: " << options.drawing << ": " << error.what() << "\n";
    return kExitInputError;
  }

  ScratchFolder scratch;
  const standin::ScopedEnvironment activity("KW_ACTIVITY_LOG", scratch.File("activity.log"));
  const standin::ScopedEnvironment shell("KW_SHELL_LOG", scratch.File("shell.log"));
  EventReport report(*host, scratch.File("activity.log"), out);
  out << "opened " << options.drawing << ": " << drawing.widthPoints << " x "
      << drawing.heightPoints << " pt, " << drawing.layers.size() << " layer(s), " << loaded.paths
      << " path(s)\n";

  if (options.failHostCall) {
    host->Gate().FailCall(*options.failHostCall, standin::kInjectedFailureErr, options.failOnward);
  }
  const ASErr started = host->Startup();
  report.PrintNew();
  if (started != kNoErr) {
    out << "kwhost: the plug-in did not start (code " << started << ")\n";
    return CloseBooks(options, *host, kExitPluginError, out, err);
  }
  host->NotifyType(hostapi::kAIApplicationStartedNotifier);
  report.PrintNew();
  Runner runner(options, *host, loaded, report, out);
  const bool ran = runner.Run();
  host->NotifyType(hostapi::kAIApplicationShutdownNotifier);
  host->Shutdown();
  report.PrintNew();

  int status = ran && !report.ErrorAlertShown() ? kExitDone : kExitPluginError;
  if (!preferencesPath.empty()) {
    try {
      SavePreferences(preferencesPath, host->Preferences());
    } catch (const PreferenceFileError& error) {
      err << "kwhost: " << error.what() << "\n";
    }
  }
  return CloseBooks(options, *host, status, out, err);
}

}  // namespace kwhost
