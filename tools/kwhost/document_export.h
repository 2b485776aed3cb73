// Writes the host's current document as SVG, the inverse of loading a drawing: reading the file
// back gives the same layers, art, order, segments, styles, tags and locked and hidden attributes.
//
// Page size in points with viewBox "0 0 W H" (one user unit is one point). Each layer is a layer
// group, bottom layer first, whose transform flips y; the art inside keeps its own coordinates,
// y up from the page's bottom edge, so they come back bit for bit. Art names become ids (art
// without a name, or with a name the loader made up, gets none); tags are attributes in
// svg::kTagNamespace. Of a path's style, the fill and stroke paint, their colours as RGB (gray and
// process colours converted) and the stroke width. A compound path is one `path` when its parts
// are plain and alike, else a group marked in svg::kStructureNamespace. Not written: the
// selection, the current layer, the ruler origin, the other style fields (overprint, dashes,
// even-odd, clipping), the smooth-or-corner flags (read back from the handles), the handles
// beyond an open path's ends, and text contents and image bounds, which the document does not
// hold. A path without segments is written but reads back as nothing.
#ifndef KERFWORKS_TOOLS_KWHOST_DOCUMENT_EXPORT_H
#define KERFWORKS_TOOLS_KWHOST_DOCUMENT_EXPORT_H

#include <pugixml.hpp>

#include <stdexcept>
#include <string>

#include "standin/model/document.h"

namespace kwhost {

class ExportError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// What SVG says of a path's paint: fill and stroke ("none" or an RGB colour) and the stroke width
// in points (empty without a stroke).
struct Paint {
  std::string fill, stroke, strokeWidth;
  bool operator==(const Paint&) const = default;
};
Paint PaintOf(const AIPathStyle& style);

// The XML prefixes under which art tags and document structure are written.
struct SvgPrefixes {
  std::string tag = "kw";
  std::string structure = "kwsvg";
};

// The current document as SVG text. Throws ExportError when no document is open, or for art that
// SVG cannot carry (an art type without an SVG element, a tag name that is no XML name, a
// coordinate that is not finite), naming the art.
std::string ExportDocumentSvg(const standin::DocumentModel& model);

// Appends the element of `art`, with its contents, to `parent` as ExportDocumentSvg writes it: in
// page points, y up. Throws ExportError as ExportDocumentSvg does.
pugi::xml_node AppendArtSvg(pugi::xml_node parent, const standin::DocumentModel& model,
                            AIArtHandle art, const SvgPrefixes& prefixes);

// Appends the layer group of `layer` of the current document, with its art.
void AppendLayerSvg(pugi::xml_node parent, const standin::DocumentModel& model,
                    const standin::LayerObject& layer, const SvgPrefixes& prefixes);

}  // namespace kwhost

#endif  // KERFWORKS_TOOLS_KWHOST_DOCUMENT_EXPORT_H
