#include "tools/kwhost/session.h"

#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <stdexcept>

#include "hostapi/messages.h"
#include "standin/core/environment.h"
#include "standin/core/host.h"
#include "standin/model/dialog_units.h"
#include "standin/model/dialog_user.h"
#include "standin/render/drawer_image.h"
#include "standin/resources/resources.h"
#include "tools/kwhost/crop_mark_report.h"
#include "tools/kwhost/cut_report.h"
#include "tools/kwhost/cutter_registry.h"
#include "tools/kwhost/document_export.h"
#include "tools/kwhost/drawing_list.h"
#include "tools/kwhost/drawing_loader.h"
#include "tools/kwhost/drawing_save.h"
#include "tools/kwhost/event_report.h"
#include "tools/kwhost/preference_file.h"
#include "tools/kwhost/svg/svg_import.h"
#include "tools/kwhost/svg/svg_omissions.h"

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
constexpr int kPaletteDialogId = 16200;

class InputError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The largest preview kwhost draws, whatever the palette would allow.
constexpr int kMaxPreviewSide = 4096;

// A scratch folder for the OS layer's notes, removed with the session.
class ScratchFolder {
 public:
  ScratchFolder() {
    const char* tmp = getenv("TMPDIR");
    const fs::path folder = tmp != nullptr && *tmp != '\0' ? tmp : "/tmp";
    std::string pattern = (folder / "kwhost-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
      throw InputError("cannot make a temporary folder in \"" + folder.string() +
                       "\": " + std::strerror(errno));
    }
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

// A file kwhost will write must go into an existing folder.
void CheckFolderOf(const std::string& option, const std::string& path) {
  const fs::path folder = fs::absolute(path).parent_path();
  std::error_code error;
  if (!fs::is_directory(folder, error)) {
    throw InputError(option + " " + path + ": the folder \"" + folder.string() +
                     "\" does not exist");
  }
}

bool SameFile(const std::string& a, const std::string& b) {
  std::error_code error;
  return fs::equivalent(a, b, error);
}

// Everything that can be checked before the plug-in runs: ids and layer names must exist, files
// must have a folder to go to, the drawing read is replaced only on request. Throws InputError or
// SelectionError.
void CheckSteps(const Options& options, const svg::Drawing& drawing, const LoadedDrawing& loaded) {
  for (const Step& step : options.steps) {
    if (step.kind == Step::Kind::kSelect) {
      for (const std::string& id : step.ids) ArtWithId(loaded, id);
    } else if (step.kind == Step::Kind::kLayer) {
      bool found = false;
      for (const svg::Layer& layer : drawing.layers) found = found || layer.name == step.value;
      if (!found) throw InputError("the drawing has no layer \"" + step.value + "\"");
    } else if (step.kind == Step::Kind::kSave) {
      CheckFolderOf("--save", step.value);
      if (SameFile(step.value, options.drawing) && !options.force) {
        throw InputError("--save " + step.value +
                         " would replace the drawing that was read (add --force to allow it)");
      }
    } else if (step.kind == Step::Kind::kPreview) {
      CheckFolderOf("--preview", step.value);
    }
  }
  if (!options.cutFileCopy.empty()) CheckFolderOf("--cut-file", options.cutFileCopy);
  if (!options.cutter.empty()) {
    if (const std::string why = WhyNotExecutable(options.cutter); !why.empty()) {
      throw InputError("--cutter " + options.cutter + ": cannot be started: " + why);
    }
  }
}

bool Saves(const Options& options) {
  return std::any_of(options.steps.begin(), options.steps.end(),
                     [](const Step& step) { return step.kind == Step::Kind::kSave; });
}

std::string ReadDrawingText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in.is_open()) throw InputError(path + ": cannot be read");
  std::string text;
  std::error_code unknownSize;
  const auto size = fs::file_size(path, unknownSize);
  if (!unknownSize) text.reserve(size);
  char piece[1 << 16];
  while (in.read(piece, sizeof piece) || in.gcount() > 0)
    text.append(piece, static_cast<std::size_t>(in.gcount()));
  if (in.bad()) throw InputError(path + ": cannot be read");
  return text;
}

// Reads the drawing into `loader`, which puts it into the host's document; its text goes into
// `original` when a step saves it: the text is as large as the drawing, so it is kept only when
// needed. Returns the drawing's page, layers and omissions.
svg::Drawing ReadDrawing(const Options& options, DocumentLoader& loader, std::string& original) {
  const svg::ImportOptions importOptions{options.japanese ? "ja" : "en"};
  try {
    if (!Saves(options)) return svg::ImportSvgFile(options.drawing, importOptions, loader);
    original = ReadDrawingText(options.drawing);
    return svg::ImportSvgText(original, options.drawing, importOptions, loader);
  } catch (const svg::ImportError& error) {
    throw InputError(error.what());
  }
}

class Runner {
 public:
  enum class Outcome { kDone, kStepFailed, kInputError };

  Runner(const Options& options, standin::Host& host, const LoadedDrawing& loaded,
         const std::string& original, EventReport& report, std::ostream& out, std::ostream& err)
      : options_(options),
        host_(host),
        loaded_(loaded),
        original_(original),
        report_(report),
        out_(out),
        err_(err),
        user_(host) {}

  Outcome Run() {
    palette_ = user_.FindDialog(kPaletteName);
    if (palette_ == nullptr) {
      err_ << "kwhost: the plug-in made no palette\n";
      return Outcome::kStepFailed;
    }
    if (!CheckPreviewSizes()) return Outcome::kInputError;
    bool failed = false;
    for (const Step& step : options_.steps) {
      out_ << "> " << step.text << std::endl;
      std::string why;
      if (!Perform(step, why)) {
        err_ << "kwhost: " << step.text << ": " << why << "\n";
        failed = true;
      }
      report_.PrintNew();
      if (options_.quiet) {
        for (const std::string& alert : report_.ErrorAlerts()) {
          err_ << "kwhost: " << step.text << ": error alert: " << alert << "\n";
        }
      }
      if (step.kind == Step::Kind::kPress && step.value == "cut" && !ReportCut(step)) {
        failed = true;
      }
    }
    return failed ? Outcome::kStepFailed : Outcome::kDone;
  }

 private:
  // A preview size the palette cannot take is refused before any step runs.
  bool CheckPreviewSizes() {
    const PreviewRange range = Range();
    for (const Step& step : options_.steps) {
      if (step.kind != Step::Kind::kPreview || !step.previewWidth) continue;
      if (*step.previewWidth < range.minWidth || *step.previewWidth > kMaxPreviewSide ||
          *step.previewHeight < range.minHeight || *step.previewHeight > kMaxPreviewSide) {
        err_ << "kwhost: --preview-size " << *step.previewWidth << "x" << *step.previewHeight
             << ": the preview can be " << range.minWidth << " to " << kMaxPreviewSide
             << " pixels wide and " << range.minHeight << " to " << kMaxPreviewSide << " high\n";
        return false;
      }
    }
    return true;
  }

  struct PreviewRange {
    int minWidth = 1, minHeight = 1;
  };

  // The smallest preview: the one the palette shows at its smallest size. Asked only when a
  // size is given, since it leaves the palette at that size.
  PreviewRange Range() {
    const bool sized = std::any_of(options_.steps.begin(), options_.steps.end(),
                                   [](const Step& step) { return step.previewWidth.has_value(); });
    const standin::DialogRecord* palette = user_.Dialog(palette_);
    if (!sized || palette == nullptr ||
        !user_.Resize(palette_, palette->size.minWidth, palette->size.minHeight)) {
      return {};
    }
    const standin::ItemRecord* preview = user_.Item(palette_, kPreviewItem);
    if (preview == nullptr) return {};
    return {std::max(1, preview->bounds.right - preview->bounds.left),
            std::max(1, preview->bounds.bottom - preview->bounds.top)};
  }

  // The host's own dialog opens when the plug-in plays the offset action.
  void QueueOffsetDialog(const std::optional<OffsetEntries>& entries) {
    standin::ModalScript script;
    script.For(standin::kOffsetDialogName);
    if (entries) {
      script.SetText(standin::kOffsetField, entries->offset);
      if (entries->join) script.Pick(standin::kJoinsPopup, standin::JoinEntry(*entries->join));
      if (entries->miterLimit) script.Set(standin::kMiterLimitField, *entries->miterLimit);
    }
    script.Press(entries && entries->cancel ? kCancel : kOk);
    host_.Dialogs().QueueModalScript(script);
  }

  bool Perform(const Step& step, std::string& why) {
    bool done = false;
    switch (step.kind) {
      case Step::Kind::kMode:
        done = user_.Pick(palette_, kModePopup, ModeIndex(step.value));
        if (done) modeChosen_ = true;
        break;
      case Step::Kind::kSelect:
        Select(step.ids);
        return true;
      case Step::Kind::kLayer:
        done = ChooseLayer(step.value);
        break;
      case Step::Kind::kPress: {
        const Button* button = FindButton(step.value);
        if (step.value == "offset") QueueOffsetDialog(step.offsetDialog);
        done = button != nullptr && user_.Press(palette_, button->item);
        break;
      }
      case Step::Kind::kCropMarks:
        done = CropMarks(step.cropMarks);
        if (done && !step.cropMarks.cancel) {
          ReportCropMarks(host_.Documents(), step.cropMarks.machineType, out_, err_);
        }
        break;
      case Step::Kind::kPreview:
        return Preview(step, why);
      case Step::Kind::kSave:
        return Save(step.value, why);
      case Step::Kind::kHelpFile:
        done = user_.PickFlyout(palette_, kFlyoutHelp);
        break;
      case Step::Kind::kAbout:
        done = About();
        break;
    }
    if (!done) why = user_.LastError();
    return done;
  }

  // What the cut did: its mode and where that came from, the paths written and skipped, the cut
  // file and the cutting application. False when the cut file or the application failed.
  bool ReportCut(const Step& step) {
    const standin::ItemRecord* popup = user_.Item(palette_, kModePopup);
    const auto mode = popup == nullptr ? std::nullopt : user_.ActiveIndex(*popup);
    const std::string modeName = mode && *mode >= 0 && *mode < 4 ? kModes[*mode] : "?";
    out_ << "  output mode: " << modeName
         << (modeChosen_ ? " (chosen in this run)" : " (from the stored preferences)") << "\n";
    const std::int32_t paintClasses = host_.Preferences()
                                          .Get<std::int32_t>(kPaletteName, "kADM_selectionCode")
                                          .value_or(kDefaultPaintClasses);
    const CutCount count = CountCut(host_.Documents(), modeName, paintClasses);
    out_ << "  paths written: " << count.written << Skipped(count) << "\n";
    bool ok = true;
    if (report_.FilesWritten().empty()) {
      err_ << "kwhost: " << step.text << ": the cut file was not written\n";
      return false;
    }
    const std::string& cutFile = report_.FilesWritten().back();
    out_ << "  cut file: " << cutFile << "\n";
    if (!report_.ProcessesStarted().empty()) {
      out_ << "  cutting application started: " << report_.ProcessesStarted().back() << "\n";
    } else {
      err_ << "kwhost: " << step.text
           << ": the cutting application was not started: " << WhyNotStarted() << "\n";
      ok = false;
    }
    if (!options_.cutFileCopy.empty()) {
      std::error_code error;
      fs::copy_file(cutFile, options_.cutFileCopy, fs::copy_options::overwrite_existing, error);
      if (error) {
        err_ << "kwhost: --cut-file " << options_.cutFileCopy
             << ": cannot be written: " << error.message() << "\n";
        ok = false;
      } else {
        out_ << "  cut file copied to: " << options_.cutFileCopy << "\n";
      }
    }
    return ok;
  }

  std::string WhyNotStarted() const {
    const std::string program = options_.cutter.empty()
                                    ? FindRegisteredCutter().value_or(RegisteredCutter{}).program
                                    : options_.cutter;
    if (program.empty()) return "no cutting application is registered";
    const std::string why = WhyNotExecutable(program);
    return program + (why.empty() ? " could not be started" : ": " + why);
  }

  static std::string Skipped(const CutCount& count) {
    std::string text;
    for (const auto& [reason, number] : count.skipped) {
      text += (text.empty() ? "; skipped: " : ", ") + std::to_string(number) + " " + reason;
    }
    return text;
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

  bool Preview(const Step& step, std::string& why) {
    // Without a size the palette takes its default one, so that the stored placement of an
    // earlier run does not decide the picture.
    const bool sized = step.previewWidth ? ResizePreview(*step.previewWidth, *step.previewHeight)
                                         : ResizeToDefault();
    const auto drawn = sized ? user_.Redraw(palette_, kPreviewItem) : std::nullopt;
    if (!drawn) {
      why = user_.LastError();
      return false;
    }
    const standin::DrawerImage image(*drawn);
    try {
      image.WritePng(step.value);
    } catch (const std::exception& error) {
      why = "cannot write " + step.value + ": " + error.what();
      return false;
    }
    out_ << "  preview written: " << step.value << " (" << image.Width() << " x " << image.Height()
         << ")\n";
    if (step.previewWidth &&
        (image.Width() != *step.previewWidth || image.Height() != *step.previewHeight)) {
      out_ << "  preview size reached: " << image.Width() << " x " << image.Height()
           << " (the palette's height goes in steps)\n";
    }
    return true;
  }

  bool ResizeToDefault() {
    const auto palette = host_.PluginResources().Dialog(kPaletteDialogId, host_.UserLanguage());
    if (!palette) return true;
    const standin::DialogUnits units(standin::BaseUnitsOf(palette->fontName, palette->fontSize));
    const ASRect size = units.Rect(0, 0, palette->width, palette->height);
    return user_.Resize(palette_, size.right - size.left, size.bottom - size.top);
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

  bool Save(const std::string& path, std::string& why) {
    SaveSummary summary;
    try {
      WriteFileWhole(path, SaveIntoOriginal(original_, loaded_, host_.Documents(), summary));
    } catch (const ExportError& error) {
      why = error.what();
      return false;
    }
    out_ << "  document saved: " << path << " (" << summary.changed << " changed, " << summary.added
         << " added, " << summary.removed << " removed; the rest as it was)\n";
    for (const std::string& note : summary.notes) err_ << "kwhost: warning: " << note << "\n";
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
  const std::string& original_;
  EventReport& report_;
  std::ostream& out_;
  std::ostream& err_;
  standin::DialogUser user_;
  ADMDialogRef palette_ = nullptr;
  bool modeChosen_ = false;
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

std::optional<std::string> CurrentEnvironment(const char* name) {
  const char* value = getenv(name);
  return value == nullptr ? std::nullopt : std::optional<std::string>(value);
}

// The cutting application of this run only: a registry of its own in the scratch folder.
std::string CutterRegistry(const ScratchFolder& scratch, const std::string& program) {
  const std::string folder = scratch.File("registry");
  RegisterCutter(folder, fs::absolute(program).string());
  return folder;
}

void RegisterCutterFor(const Options& options, std::ostream& out) {
  const std::string program = fs::absolute(options.registerCutter).string();
  const std::string why = WhyNotExecutable(program);
  if (!why.empty())
    throw InputError("--register-cutter " + program + ": cannot be started: " + why);
  const std::string keyFile = RegisterCutter(UserRegistryFolder(), program);
  out << "cutting application registered: " << program << " (in " << keyFile << ")\n";
}

int Session(const Options& options, std::ostream& out, std::ostream& err) {
  if (!options.registerCutter.empty()) {
    RegisterCutterFor(options, out);
    if (options.drawing.empty()) return kExitDone;
  }
  const std::string preferencesPath =
      options.preferencesPath.empty() ? DefaultPreferencePath() : options.preferencesPath;
  standin::PreferenceStore stored;
  std::unique_ptr<standin::Host> host;
  try {
    if (!options.preferencesPath.empty()) CheckFolderOf("--preferences", preferencesPath);
    if (!preferencesPath.empty()) LoadPreferences(preferencesPath, stored);
    host = std::make_unique<standin::Host>(HostOptionsFor(options));
  } catch (const InputError&) {
    throw;
  } catch (const std::exception& error) {
    throw InputError(error.what());
  }
  for (const auto& [key, value] : stored.All())
    host->Preferences().Set(key.first, key.second, value);
  if (options.hostVersion) host->App().appMajorVersion = *options.hostVersion;
  std::string original;
  DocumentLoader loader(host->Documents(), Saves(options) ? Snapshot::kTake : Snapshot::kSkip);
  const svg::Drawing described = ReadDrawing(options, loader, original);
  const LoadedDrawing loaded = loader.Finish(described);
  host->Documents().Current()->rulerOrigin = {options.rulerOriginX, options.rulerOriginY};
  try {
    CheckSteps(options, described, loaded);
  } catch (const SelectionError& error) {
    throw InputError(options.drawing + ": " + error.what());
  }
  if (options.list) {
    ListDrawing(described, loaded, stored, out, err);
    return kExitDone;
  }

  ScratchFolder scratch;
  const standin::ScopedEnvironment activity("KW_ACTIVITY_LOG", scratch.File("activity.log"));
  const standin::ScopedEnvironment shell("KW_SHELL_LOG", scratch.File("shell.log"));
  const standin::ScopedEnvironment registry(
      "KW_REGISTRY_USER", options.cutter.empty() ? CurrentEnvironment("KW_REGISTRY_USER")
                                                 : CutterRegistry(scratch, options.cutter));
  EventReport report(*host, scratch.File("activity.log"), out);
  out << "opened " << options.drawing << ": " << described.widthPoints << " x "
      << described.heightPoints << " pt, " << described.layers.size() << " layer(s), "
      << loaded.paths << " path(s)\n";
  if (const std::string leftOut = svg::LeftOutLine(described.omissions); !leftOut.empty())
    out << leftOut << "\n";
  if (loaded.hiddenPaths > 0) {
    out << "hidden: " << loaded.hiddenPaths
        << " path(s), kept in the document and cut with the rest\n";
  }

  if (options.failHostCall) {
    host->Gate().FailCall(*options.failHostCall, standin::kInjectedFailureErr, options.failOnward);
  }
  const ASErr started = host->Startup();
  report.PrintNew();
  if (started != kNoErr) {
    err << "kwhost: the plug-in did not start (code " << started << ")\n";
    return CloseBooks(options, *host, kExitPluginError, out, err);
  }
  host->NotifyType(hostapi::kAIApplicationStartedNotifier);
  report.PrintNew();
  Runner runner(options, *host, loaded, original, report, out, err);
  const Runner::Outcome outcome = runner.Run();
  host->NotifyType(hostapi::kAIApplicationShutdownNotifier);
  host->Shutdown();
  report.PrintNew();
  if (outcome == Runner::Outcome::kInputError) return kExitInputError;

  int status =
      outcome == Runner::Outcome::kDone && !report.ErrorAlertShown() ? kExitDone : kExitPluginError;
  if (!preferencesPath.empty()) {
    try {
      SavePreferences(preferencesPath, host->Preferences());
    } catch (const PreferenceFileError& error) {
      err << "kwhost: " << error.what() << "\n";
      status = kExitPluginError;
    }
  }
  return CloseBooks(options, *host, status, out, err);
}

}  // namespace

int RunSession(const Options& options, std::ostream& out, std::ostream& err) {
  std::ostream silent(nullptr);
  try {
    return Session(options, options.quiet ? silent : out, err);
  } catch (const InputError& error) {
    err << "kwhost: " << error.what() << "\n";
    return kExitInputError;
  } catch (const std::exception& error) {
    err << "kwhost: " << error.what() << "\n";
    return kExitPluginError;
  }
}

}  // namespace kwhost
