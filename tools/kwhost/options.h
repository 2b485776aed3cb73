// kwhost's command line: one drawing, the palette actions to perform in order, and the options of
// the host session.
#ifndef KERFWORKS_TOOLS_KWHOST_OPTIONS_H
#define KERFWORKS_TOOLS_KWHOST_OPTIONS_H

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "standin/model/offset_dialog.h"

namespace kwhost {

class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The crop-marks dialog as the user fills it: a machine type, lengths in millimetres to type in
// (the others are left as the dialog shows them), then OK or Cancel.
struct CropMarkEntries {
  int machineType = 0;
  std::optional<float> w, l, x, y;
  bool cancel = false;
};

// The host's offset dialog as the user fills it: the offset as typed ("3mm"), optionally the
// join and the miter limit, then OK or Cancel.
struct OffsetEntries {
  std::string offset;
  std::optional<standin::OffsetJoin> join;
  std::optional<float> miterLimit;
  bool cancel = false;
};

struct Step {
  enum class Kind {
    kMode,
    kSelect,
    kLayer,
    kPress,
    kCropMarks,
    kPreview,
    kSave,
    kHelpFile,
    kAbout
  };
  Kind kind = Kind::kPress;
  std::string value;             // mode, layer, button, file
  std::vector<std::string> ids;  // kSelect
  CropMarkEntries cropMarks;     // kCropMarks
  // kPress of "offset": what the user does in the host's dialog; none: confirms the preset.
  std::optional<OffsetEntries> offsetDialog;
  std::optional<int> previewWidth;  // kPreview
  std::optional<int> previewHeight;
  // The step as the user wrote it, for the report.
  std::string text;
};

struct Options {
  std::string drawing;
  std::vector<Step> steps;
  bool japanese = false;
  float rulerOriginX = 0, rulerOriginY = 0;
  std::optional<int> hostVersion;
  std::string pluginPath;                     // empty: the module built beside kwhost
  std::string preferencesPath;                // empty: the default (see preference_file.h)
  bool force = false;                         // --save may replace the drawing that was read
  bool quiet = false;                         // only warnings and errors
  bool list = false;                          // describe the drawing and the settings, run nothing
  std::string cutter;                         // the cutting application for this run only
  std::string registerCutter;                 // the cutting application to register for good
  std::string cutFileCopy;                    // where each cut file is copied after the cut
  bool hostCalls = false;                     // print the number of host calls at shut-down
  std::optional<std::uint64_t> failHostCall;  // the host call to fail, counted from 1
  bool failOnward = false;                    // and every one after it
  bool help = false;
  bool version = false;
};

// Throws UsageError saying what is wrong.
Options ParseOptions(const std::vector<std::string>& arguments);

// The text of --help.
std::string UsageText();

struct Button {
  const char* name;
  int item;
};

// The palette items the --press names stand for.
inline constexpr Button kButtons[] = {{"cut", 16},   {"outline-text", 17}, {"outline-stroke", 18},
                                      {"merge", 19}, {"offset", 20},       {"crop-marks", 21},
                                      {"mark", 22},  {"redraw", 24}};

// The entries of the output-mode popup, in order.
inline constexpr const char* kModes[] = {"all", "selected", "layer", "marked"};

// The --press button called `name`; nullptr when there is none.
const Button* FindButton(const std::string& name);

// The popup entry of the output mode `name`; -1 when there is none.
int ModeIndex(const std::string& name);

}  // namespace kwhost

#endif  // KERFWORKS_TOOLS_KWHOST_OPTIONS_H
