// Reads an SVG file into a Drawing: page size from width/height and viewBox, layers from the
// top-level groups marked as layers, groups, compound paths, text and images; what is left out
// listed in the drawing's omissions.
#ifndef KERFWORKS_TOOLS_KWHOST_SVG_SVG_IMPORT_H
#define KERFWORKS_TOOLS_KWHOST_SVG_SVG_IMPORT_H

#include <cstddef>
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

// Takes the art as it is read, one top-level object at a time, so that a large drawing's outlines
// need not all be held at once.
class ArtSink {
 public:
  virtual ~ArtSink() = default;
  // A layer begins, described without its items; layers are numbered from 0 as they begin.
  virtual void BeginLayer(const Layer& layer) = 0;
  // An object at the top of layer number `layer`, above those given to that layer before.
  virtual void Add(std::size_t layer, Item&& item) = 0;
};

// Throws ImportError naming the file and what is wrong with it.
Drawing ImportSvgFile(const std::string& path, const ImportOptions& options = {});
Drawing ImportSvgText(const std::string& text, const std::string& nameForErrors = "<text>",
                      const ImportOptions& options = {});

// The same, with every object handed to `sink` as soon as it is read: the drawing returned has
// its layers without items. When ImportError is thrown, `sink` may have had part of the art.
Drawing ImportSvgFile(const std::string& path, const ImportOptions& options, ArtSink& sink);
Drawing ImportSvgText(const std::string& text, const std::string& nameForErrors,
                      const ImportOptions& options, ArtSink& sink);

}  // namespace svg

#endif  // KERFWORKS_TOOLS_KWHOST_SVG_SVG_IMPORT_H
