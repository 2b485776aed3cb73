#include "tools/kwhost/drawing_list.h"

#include "tools/kwhost/cutter_registry.h"

namespace kwhost {
namespace {

constexpr char kSection[] = "KerfworksPluginDialog";

// The output mode the stored switches give, as the palette reads them.
std::string StoredMode(const standin::PreferenceStore& stored) {
  const auto on = [&stored](const char* key) {
    return stored.Get<bool>(kSection, key).value_or(false);
  };
  if (on("kADM_bSelectObj")) return "selected";
  if (on("kADM_bCurrentLayer")) return "layer";
  if (on("kADM_bMarkedObj")) return "marked";
  const bool any = stored.Find(kSection, "kADM_bSelectObj") != nullptr;
  return any ? "all" : "all (nothing stored yet)";
}

void ListCropSettings(const standin::PreferenceStore& stored, std::ostream& out) {
  struct Setting {
    const char* key;
    const char* name;
  };
  constexpr Setting kSettings[] = {{"kADM_cropMachineType", "machine type"},
                                   {"kADM_cropHorzDistance", "W"},
                                   {"kADM_cropVertDistance", "L"},
                                   {"kADM_cropLeftMargin", "X"},
                                   {"kADM_cropBottomMargin", "Y"}};
  out << "stored crop marks:";
  bool any = false;
  for (const Setting& setting : kSettings) {
    if (const auto value = stored.Get<std::int32_t>(kSection, setting.key)) {
      out << (any ? ", " : " ") << setting.name << " " << *value;
      any = true;
    }
  }
  out << (any ? " (lengths in the stored units)\n" : " none (the machine defaults)\n");
}

}  // namespace

void ListDrawing(const svg::Drawing& drawing, const LoadedDrawing& loaded,
                 const standin::PreferenceStore& stored, std::ostream& out, std::ostream& err) {
  out << "layers (bottom first):\n";
  for (const svg::Layer& layer : drawing.layers) {
    out << "  " << layer.name;
    if (layer.hidden || layer.locked) {
      out << " (" << (layer.hidden ? "hidden" : "") << (layer.hidden && layer.locked ? ", " : "")
          << (layer.locked ? "locked" : "") << ")";
    }
    out << "\n";
  }
  out << "ids:";
  for (const auto& [id, art] : loaded.byId) out << " " << id;
  out << "\npaths: " << loaded.paths << "\n";
  out << "stored output mode: " << StoredMode(stored) << "\n";
  ListCropSettings(stored, out);
  const auto cutter = FindRegisteredCutter();
  if (!cutter) {
    out << "cutting application: none registered\n";
    return;
  }
  out << "cutting application: " << cutter->program << " (in " << cutter->keyFile << ")\n";
  if (const std::string why = WhyNotExecutable(cutter->program); !why.empty()) {
    err << "kwhost: warning: the registered cutting application " << cutter->program
        << " cannot be started: " << why << "\n";
  }
}

}  // namespace kwhost
