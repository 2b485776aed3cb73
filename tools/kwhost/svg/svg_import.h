// Reads an SVG file into a Drawing: page size from width/height and viewBox, layers from the
// top-level groups marked as layers, groups, compound paths, text and images; what is left out
// listed in the drawing's omissions.
#ifndef KERFWORKS_TOOLS_KWHOST_SVG_SVG_IMPORT_H
#define KERFWORKS_TOOLS_KWHOST_SVG_SVG_IMPORT_H

#include <stdexcept>
#include <string>

#include "tools/kwhost/svg/drawing.h"

namespace svg {

// The name of the layer that takes art outside every layer group.
inline constexpr const char kDefaultLayerName[] = "Layer 1";

class ImportError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct ImportOptions {
  // The user's language, for systemLanguage tests (<switch>).
  std::string language = "en";
};

// Throws ImportError naming the file and what is wrong with it.
Drawing ImportSvgFile(const std::string& path, const ImportOptions& options = {});
Drawing ImportSvgText(const std::string& text, const std::string& nameForErrors = "<text>",
                      const ImportOptions& options = {});

}  // namespace svg

#endif  // KERFWORKS_TOOLS_KWHOST_SVG_SVG_IMPORT_H
