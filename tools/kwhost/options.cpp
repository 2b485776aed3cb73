#include "tools/kwhost/options.h"

#include <iterator>
#include <utility>

#include "tools/kwhost/text_parsing.h"

namespace kwhost {
namespace {

CropMarkEntries ParseCropMarks(const std::string& text) {
  const auto parts = Split(text, ',');
  CropMarkEntries entries;
  const auto type = ParseWhole<int>(parts[0]);
  if (!type || *type < 0 || *type > 7) {
    throw UsageError("--crop-marks: the machine type must be 0 to 7, not \"" + parts[0] + "\"");
  }
  entries.machineType = *type;
  for (std::size_t i = 1; i < parts.size(); ++i) {
    const std::string& part = parts[i];
    if (part == "cancel") {
      entries.cancel = true;
      continue;
    }
    const auto equals = part.find('=');
    const auto value =
        equals == std::string::npos ? std::nullopt : ParseWhole<float>(part.substr(equals + 1));
    const std::string name = part.substr(0, equals);
    std::optional<float>* field = name == "W"   ? &entries.w
                                  : name == "L" ? &entries.l
                                  : name == "X" ? &entries.x
                                  : name == "Y" ? &entries.y
                                                : nullptr;
    if (field == nullptr || !value) {
      throw UsageError("--crop-marks: \"" + part + "\" is not W=mm, L=mm, X=mm, Y=mm or cancel");
    }
    *field = *value;
  }
  return entries;
}

OffsetEntries ParseOffsetDialog(const std::string& text) {
  const auto parts = Split(text, ',');
  OffsetEntries entries;
  entries.offset = parts[0];
  if (!standin::ParseOffsetLength(parts[0])) {
    throw UsageError("--offset-dialog: the offset must be a length such as 3mm or -2pt, not \"" +
                     parts[0] + "\"");
  }
  for (std::size_t i = 1; i < parts.size(); ++i) {
    const std::string& part = parts[i];
    const auto limit = ParseWhole<float>(part);
    if (part == "cancel") {
      entries.cancel = true;
    } else if (const auto join = standin::JoinNamed(part)) {
      entries.join = join;
    } else if (limit && *limit >= 1 && *limit <= 500) {
      entries.miterLimit = limit;
    } else {
      throw UsageError("--offset-dialog: \"" + part +
                       "\" is no join (miter, round, bevel), miter limit (1 to 500) or cancel");
    }
  }
  return entries;
}

bool IsKnown(const std::string& value, std::initializer_list<const char*> names) {
  for (const char* name : names) {
    if (value == name) return true;
  }
  return false;
}

}  // namespace

const Button* FindButton(const std::string& name) {
  for (const Button& button : kButtons) {
    if (name == button.name) return &button;
  }
  return nullptr;
}

int ModeIndex(const std::string& name) {
  for (std::size_t i = 0; i < std::size(kModes); ++i) {
    if (name == kModes[i]) return static_cast<int>(i);
  }
  return -1;
}

Options ParseOptions(const std::vector<std::string>& arguments) {
  Options options;
  std::optional<OffsetEntries> offsetDialog;  // for the next press of "offset"
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    auto value = [&]() -> const std::string& {
      if (i + 1 >= arguments.size()) throw UsageError(argument + " needs a value");
      return arguments[++i];
    };
    auto step = [&](Step::Kind kind, std::string stepValue) -> Step& {
      Step s;
      s.kind = kind;
      s.text = argument + (stepValue.empty() ? "" : " " + stepValue);
      s.value = std::move(stepValue);
      options.steps.push_back(std::move(s));
      return options.steps.back();
    };
    if (argument == "--help" || argument == "-h") {
      options.help = true;
    } else if (argument == "--version") {
      options.version = true;
    } else if (argument == "--mode") {
      const std::string& mode = value();
      if (ModeIndex(mode) < 0)
        throw UsageError("--mode must be all, selected, layer or marked, not \"" + mode + "\"");
      step(Step::Kind::kMode, mode);
    } else if (argument == "--select") {
      const std::string& ids = value();
      Step& s = step(Step::Kind::kSelect, ids);
      s.ids = Split(ids, ',');
      for (const std::string& id : s.ids) {
        if (id.empty()) throw UsageError("--select: an empty id in \"" + ids + "\"");
      }
    } else if (argument == "--layer") {
      step(Step::Kind::kLayer, value());
    } else if (argument == "--press") {
      const std::string& button = value();
      if (FindButton(button) == nullptr) {
        throw UsageError("--press: no button \"" + button +
                         "\" (cut, outline-text, outline-stroke, merge, offset, crop-marks, mark, "
                         "redraw)");
      }
      Step& press = step(Step::Kind::kPress, button);
      if (button == "offset") press.offsetDialog = std::exchange(offsetDialog, std::nullopt);
    } else if (argument == "--offset-dialog") {
      offsetDialog = ParseOffsetDialog(value());
    } else if (argument == "--crop-marks") {
      const std::string& text = value();
      step(Step::Kind::kCropMarks, text).cropMarks = ParseCropMarks(text);
    } else if (argument == "--preview") {
      step(Step::Kind::kPreview, value());
    } else if (argument == "--preview-size") {
      const std::string& size = value();
      if (options.steps.empty() || options.steps.back().kind != Step::Kind::kPreview) {
        throw UsageError("--preview-size must follow a --preview");
      }
      const auto x = size.find('x');
      const auto w = x == std::string::npos ? std::nullopt : ParseWhole<int>(size.substr(0, x));
      const auto h = x == std::string::npos ? std::nullopt : ParseWhole<int>(size.substr(x + 1));
      if (!w || !h || *w <= 0 || *h <= 0) {
        throw UsageError("--preview-size must be WIDTHxHEIGHT in pixels, not \"" + size + "\"");
      }
      options.steps.back().previewWidth = *w;
      options.steps.back().previewHeight = *h;
      options.steps.back().text += " " + argument + " " + size;
    } else if (argument == "--save") {
      step(Step::Kind::kSave, value());
    } else if (argument == "--help-file") {
      step(Step::Kind::kHelpFile, "");
    } else if (argument == "--about") {
      step(Step::Kind::kAbout, "");
    } else if (argument == "--lang") {
      const std::string& language = value();
      if (!IsKnown(language, {"en", "ja"})) throw UsageError("--lang must be en or ja");
      options.japanese = language == "ja";
    } else if (argument == "--ruler-origin") {
      const std::string& origin = value();
      const auto parts = Split(origin, ',');
      const auto x = parts.size() == 2 ? ParseWhole<float>(parts[0]) : std::nullopt;
      const auto y = parts.size() == 2 ? ParseWhole<float>(parts[1]) : std::nullopt;
      if (!x || !y)
        throw UsageError("--ruler-origin must be X,Y in points, not \"" + origin + "\"");
      options.rulerOriginX = *x;
      options.rulerOriginY = *y;
    } else if (argument == "--host-version") {
      const std::string& version = value();
      const auto number = ParseWhole<int>(version);
      if (!number || *number <= 0) throw UsageError("--host-version must be a positive number");
      options.hostVersion = *number;
    } else if (argument == "--plugin") {
      options.pluginPath = value();
    } else if (argument == "--preferences") {
      options.preferencesPath = value();
    } else if (argument == "--force") {
      options.force = true;
    } else if (argument == "--quiet" || argument == "-q") {
      options.quiet = true;
    } else if (argument == "--list") {
      options.list = true;
    } else if (argument == "--cutter") {
      options.cutter = value();
    } else if (argument == "--register-cutter") {
      options.registerCutter = value();
    } else if (argument == "--cut-file") {
      options.cutFileCopy = value();
    } else if (argument == "--host-calls") {
      options.hostCalls = true;
    } else if (argument == "--fail-host-call") {
      const std::string& call = value();
      const auto comma = call.find(',');
      const auto k = ParseWhole<std::uint64_t>(call.substr(0, comma));
      options.failOnward = comma != std::string::npos && call.substr(comma + 1) == "onward";
      if (!k || *k == 0 || (comma != std::string::npos && !options.failOnward)) {
        throw UsageError("--fail-host-call must be K or K,onward with K from 1, not \"" + call +
                         "\"");
      }
      options.failHostCall = *k;
    } else if (argument.starts_with("-") && argument != "-") {
      throw UsageError("unknown option " + argument);
    } else if (options.drawing.empty()) {
      options.drawing = argument;
    } else {
      throw UsageError("one drawing only: \"" + options.drawing + "\" and \"" + argument + "\"");
    }
  }
  if (offsetDialog) throw UsageError("--offset-dialog must come before a --press offset");
  if (options.drawing.empty() && !options.help && !options.version &&
      options.registerCutter.empty()) {
    throw UsageError("no drawing given");
  }
  return options;
}

std::string UsageText() {
  return R"(usage: kwhost DRAWING.svg [steps...] [options]

Runs the plug-in in the stand-in host on an SVG drawing: start-up, application started, the
drawing opened as the current document, the steps in the order given, shut-down.

steps:
  --mode all|selected|layer|marked   choose the palette's output mode
  --select ID[,ID...]                select elements by their SVG id (a group with its contents)
  --layer NAME                       make the layer NAME the current layer
  --press BUTTON                     press a palette button: cut, outline-text, outline-stroke,
                                     merge, offset, crop-marks, mark, redraw
  --crop-marks TYPE[,W=mm,L=mm,X=mm,Y=mm][,cancel]
                                     run the crop-marks dialog with these entries, then OK
                                     (or Cancel); TYPE is 0 to 7 (MA-1 .. MB-5)
  --preview FILE.png [--preview-size WxH]
                                     draw the palette preview into a PNG file, at the palette's
                                     default size unless WxH (pixels, at most 4096 x 4096) is given
  --offset-dialog VALUE[UNIT][,JOIN][,MITER][,cancel]
                                     how the next --press offset fills the host's offset
                                     dialog: the offset (pt, mm, cm, in, pc, px; negative
                                     shrinks), the join (miter, round, bevel), the miter limit,
                                     then OK (or Cancel); without it the preset is confirmed
  --save FILE.svg                    save the drawing with the document's changes
  --help-file                        open the help file (flyout menu)
  --about                            show the about box (flyout menu)

options:
  --lang en|ja           the user's language, of the plug-in and of the drawing's <switch>
                         choices (default en)
  --ruler-origin X,Y     the document's ruler origin in points (default 0,0)
  --host-version N       the drawing application's major version (default 16)
  --plugin PATH          the plug-in module to load (default: the one built with kwhost)
  --preferences FILE     where the host's preferences are kept between runs (default
                         $KWHOST_PREFERENCES, else $XDG_CONFIG_HOME/kerfworks/kwhost-preferences.txt)
  --force                let --save replace the drawing that was read
  --quiet, -q            print only warnings and errors
  --list                 print the layers, ids, paths, stored settings and the registered cutting
                         application, and run nothing
  --cutter PROGRAM       use PROGRAM as the cutting application for this run (the registry is
                         left alone)
  --register-cutter PROGRAM
                         register PROGRAM as the cutting application where the plug-in looks for
                         it, say where, and stop (no drawing needed)
  --cut-file PATH        after each cut, also copy the cut file to PATH
  --host-calls           print at shut-down how many host calls the session made
  --fail-host-call K[,onward]
                         fail the K-th host call (or every one from the K-th on) with an error
  --help, --version

exit status: 0 every step did what was asked; 1 the plug-in showed an error alert or a step could
not be done (a file not written, a program not started); 2 a usage or input error (nothing runs);
3 the plug-in left something behind or misbehaved (listed at shut-down).
)";
}

}  // namespace kwhost
