#include "tools/kwhost/document_export.h"

#include <pugixml.hpp>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <sstream>

#include "tools/kwhost/drawing_loader.h"
#include "tools/kwhost/path_data.h"
#include "tools/kwhost/svg/drawing.h"

namespace kwhost {
namespace {

constexpr char kSvgNamespace[] = "http://www.w3.org/2000/svg";
constexpr char kInkscapeNamespace[] = "http://www.inkscape.org/namespaces/inkscape";
constexpr char kSodipodiNamespace[] = "http://sodipodi.sourceforge.net/DTD/sodipodi-0.dtd";

// A path's data and paint.
struct Outline {
  std::string data;
  Paint paint;
};

// The shortest percentage that reads back as the same float channel.
std::string Percent(double value) {
  // Out of range reads back clamped anyway; clamping first keeps "nan" out of the file.
  const auto channel = static_cast<AIReal>(std::isnan(value) ? 0.0 : std::clamp(value, 0.0, 1.0));
  char buffer[64];
  // Fixed notation: "1e+02%" is no percentage every reader takes.
  for (int decimals = 0;; ++decimals) {
    char* end = std::to_chars(buffer, buffer + sizeof buffer, channel * 100.0,
                              std::chars_format::fixed, decimals)
                    .ptr;
    double back = 0;
    std::from_chars(buffer, end, back);
    if (decimals == 17 || static_cast<AIReal>(back / 100) == channel) {
      return std::string(buffer, end) + "%";
    }
  }
}

std::string Colour(const AIColor& colour) {
  double red = 0, green = 0, blue = 0;  // colours SVG cannot show stay painted, in black
  switch (colour.kind) {
    case kThreeColor:
      red = colour.c.rgb.red, green = colour.c.rgb.green, blue = colour.c.rgb.blue;
      break;
    case kGrayColor:  // a tint of black
      red = green = blue = 1.0 - colour.c.gray;
      break;
    case kFourColor: {
      const double white = 1.0 - colour.c.f.black;
      red = (1.0 - colour.c.f.cyan) * white;
      green = (1.0 - colour.c.f.magenta) * white;
      blue = (1.0 - colour.c.f.yellow) * white;
      break;
    }
    default:
      break;
  }
  // Each channel as the float that reading the file back gives, so saving that writes the same.
  return "rgb(" + Percent(red) + ", " + Percent(green) + ", " + Percent(blue) + ")";
}

}  // namespace

Paint PaintOf(const AIPathStyle& style) {
  Paint paint{"none", "none", ""};
  if (style.fillPaint) paint.fill = Colour(style.fill.color);
  if (style.strokePaint) {
    paint.stroke = Colour(style.stroke.color);
    paint.strokeWidth = FormatReal(style.stroke.width);
  }
  return paint;
}

namespace {

// Page points (y up from the bottom edge) in SVG's user space (y down).
std::string PageFlip(const standin::Document& document) {
  return "matrix(1 0 0 -1 0 " + FormatReal(document.setup.height) + ")";
}

bool IsNameStart(unsigned char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' || c >= 0x80;
}

// An XML name without a colon, so that it can follow our prefix.
bool IsAttributeName(const std::string& name) {
  if (name.empty() || !IsNameStart(static_cast<unsigned char>(name.front()))) return false;
  for (const unsigned char c : name) {
    if (!IsNameStart(c) && !(c >= '0' && c <= '9') && c != '-' && c != '.') return false;
  }
  return true;
}

class Exporter {
 public:
  Exporter(const standin::DocumentModel& model, SvgPrefixes prefixes)
      : model_(model), prefixes_(std::move(prefixes)) {}

  std::string Run() {
    const standin::Document* document = model_.Current();
    if (document == nullptr) throw ExportError("no document is open");
    pugi::xml_document xml;
    pugi::xml_node root = xml.append_child("svg");
    const std::string width = FormatReal(document->setup.width);
    const std::string height = FormatReal(document->setup.height);
    root.append_attribute("xmlns") = kSvgNamespace;
    root.append_attribute("xmlns:inkscape") = kInkscapeNamespace;
    root.append_attribute("xmlns:sodipodi") = kSodipodiNamespace;
    root.append_attribute(("xmlns:" + prefixes_.tag).c_str()) = svg::kTagNamespace;
    root.append_attribute(("xmlns:" + prefixes_.structure).c_str()) = svg::kStructureNamespace;
    root.append_attribute("width") = (width + "pt").c_str();
    root.append_attribute("height") = (height + "pt").c_str();
    root.append_attribute("viewBox") = ("0 0 " + width + " " + height).c_str();
    const std::string flip = PageFlip(*document);
    for (auto layer = document->layers.rbegin(); layer != document->layers.rend(); ++layer) {
      AddLayer(root, *model_.FindLayer(*layer), flip);
    }
    std::ostringstream out;
    xml.save(out, "  ");
    return out.str();
  }

  void AddLayer(pugi::xml_node parent, const standin::LayerObject& layer,
                const std::string& flip) const {
    pugi::xml_node group = parent.append_child("g");
    group.append_attribute(svg::kGroupModeAttribute) = svg::kLayerGroupMode;
    group.append_attribute(svg::kLabelAttribute) = layer.title.c_str();
    group.append_attribute("transform") = flip.c_str();
    if (!layer.visible) group.append_attribute("style") = "display:none";
    if (layer.locked) group.append_attribute(svg::kInsensitiveAttribute) = "true";
    for (AIArtHandle art : layer.art) AddArt(group, art, false);
  }

  // `ancestorHidden`: an enclosing art object is hidden, which its contents would inherit.
  pugi::xml_node AddArt(pugi::xml_node parent, AIArtHandle handle, bool ancestorHidden) const {
    const standin::ArtObject& art = *model_.FindArt(handle);
    const bool hidden = (art.attributes & kArtHidden) != 0;
    switch (art.type) {
      case kGroupArt: {
        pugi::xml_node group = Element(parent, "g", art, ancestorHidden);
        for (AIArtHandle child : art.children) AddArt(group, child, ancestorHidden || hidden);
        return group;
      }
      case kCompoundPathArt: {
        if (IsPlainCompoundPath(art)) {
          std::string data;
          for (AIArtHandle child : art.children) {
            const standin::ArtObject& part = *model_.FindArt(child);
            if (!data.empty()) data += ' ';
            data += Data(part);
          }
          const Outline outline{data, PaintOf(model_.FindArt(art.children.front())->style)};
          return Element(parent, "path", art, ancestorHidden, &outline);
        }
        pugi::xml_node group = Element(parent, "g", art, ancestorHidden);
        group.append_attribute((prefixes_.structure + ":" + svg::kArtAttribute).c_str()) =
            svg::kCompoundPathValue;
        for (AIArtHandle child : art.children) AddArt(group, child, ancestorHidden || hidden);
        return group;
      }
      case kPathArt: {
        const Outline outline{Data(art), PaintOf(art.style)};
        return Element(parent, "path", art, ancestorHidden, &outline);
      }
      case kTextArt: {
        pugi::xml_node text = Element(parent, "text", art, ancestorHidden);
        AddRuns(text, art);
        return text;
      }
      case kPlacedArt:
        return Element(parent, "image", art, ancestorHidden);
      default:
        throw ExportError(Describe(art) + " is of art type " + std::to_string(art.type) +
                          ", which SVG has no element for");
    }
  }

 private:
  // The element with what every art object carries (id, visibility, lock and tags) and, for a
  // path, its data and paint.
  pugi::xml_node Element(pugi::xml_node parent, const char* name, const standin::ArtObject& art,
                         bool ancestorHidden, const Outline* outline = nullptr) const {
    pugi::xml_node element = parent.append_child(name);
    if (HasOwnName(art)) element.append_attribute("id") = art.name.c_str();
    if (outline != nullptr) {
      element.append_attribute("d") = outline->data.c_str();
      element.append_attribute("fill") = outline->paint.fill.c_str();
      element.append_attribute("stroke") = outline->paint.stroke.c_str();
      if (!outline->paint.strokeWidth.empty()) {
        element.append_attribute("stroke-width") = outline->paint.strokeWidth.c_str();
      }
    }
    const bool hidden = (art.attributes & kArtHidden) != 0;
    if (hidden || ancestorHidden) {
      element.append_attribute("visibility") = hidden ? "hidden" : "visible";
    }
    if ((art.attributes & kArtLocked) != 0) {
      element.append_attribute(svg::kInsensitiveAttribute) = "true";
    }
    for (const auto& [tagName, tag] : art.tags) {
      if (!IsAttributeName(tagName)) {
        throw ExportError(Describe(art) + " carries the tag \"" + tagName +
                          "\", which is no XML attribute name");
      }
      element.append_attribute((prefixes_.tag + ":" + tagName).c_str()) = tag.value.c_str();
    }
    return element;
  }

  // A text's first run on the `text` element itself and the others as `tspan`s, in the text's
  // own space, so that outlining it after the drawing is read back gives the same glyphs.
  static void AddRuns(pugi::xml_node text, const standin::ArtObject& art) {
    std::string matrix = "matrix(";
    for (int i = 0; i < 6; ++i) matrix += Number(art.textMatrix[i]) + (i == 5 ? ")" : " ");
    text.append_attribute("transform") = matrix.c_str();
    text.append_attribute("fill") = PaintOf(art.style).fill.c_str();
    for (const standin::TextRun& run : art.textRuns) {
      const bool first = &run == &art.textRuns.front();
      pugi::xml_node span = first ? text : text.append_child("tspan");
      if (run.start) {
        span.append_attribute("x") = Number(run.start->x).c_str();
        span.append_attribute("y") = Number(run.start->y).c_str();
      }
      if (run.shift.x != 0) span.append_attribute("dx") = Number(run.shift.x).c_str();
      if (run.shift.y != 0) span.append_attribute("dy") = Number(run.shift.y).c_str();
      span.append_attribute("font-family") = run.fontFamily.c_str();
      span.append_attribute("font-size") = Number(run.fontSize).c_str();
      span.append_attribute("font-weight") = run.fontWeight;
      if (run.italic) span.append_attribute("font-style") = "italic";
      constexpr const char* kAnchors[] = {"start", "middle", "end"};
      if (run.anchor > 0 && run.anchor < 3) {
        span.append_attribute("text-anchor") = kAnchors[run.anchor];
      }
      span.append_child(pugi::node_pcdata).set_value(run.characters.c_str());
    }
  }

  static std::string Number(double value) {
    char buffer[32];
    return std::string(buffer, std::to_chars(buffer, buffer + sizeof buffer, value).ptr);
  }

  std::string Data(const standin::ArtObject& path) const {
    const auto data = PathData(path.segments, path.closed);
    if (!data) throw ExportError(Describe(path) + " has a coordinate that is not a number");
    return *data;
  }

  // One `path` of several subpaths reads back as parts that share the compound path's
  // visibility and lock and one paint, without ids or tags.
  bool IsPlainCompoundPath(const standin::ArtObject& compound) const {
    if (compound.children.size() < 2) return false;
    constexpr std::int32_t kShared = kArtHidden | kArtLocked;
    const Paint paint = PaintOf(model_.FindArt(compound.children.front())->style);
    for (AIArtHandle child : compound.children) {
      const standin::ArtObject& part = *model_.FindArt(child);
      if (part.type != kPathArt || HasOwnName(part) || !part.tags.empty() ||
          (part.attributes & kShared) != (compound.attributes & kShared) ||
          PaintOf(part.style) != paint) {
        return false;
      }
    }
    return true;
  }

  static bool HasOwnName(const standin::ArtObject& art) {
    return !art.name.empty() && !art.name.starts_with(kUnnamedPrefix);
  }

  static std::string Describe(const standin::ArtObject& art) {
    return art.name.empty() ? std::string("an unnamed art object") : "the art \"" + art.name + "\"";
  }

  const standin::DocumentModel& model_;
  const SvgPrefixes prefixes_;
};

}  // namespace

std::string ExportDocumentSvg(const standin::DocumentModel& model) {
  return Exporter(model, SvgPrefixes{}).Run();
}

pugi::xml_node AppendArtSvg(pugi::xml_node parent, const standin::DocumentModel& model,
                            AIArtHandle art, const SvgPrefixes& prefixes) {
  return Exporter(model, prefixes).AddArt(parent, art, false);
}

void AppendLayerSvg(pugi::xml_node parent, const standin::DocumentModel& model,
                    const standin::LayerObject& layer, const SvgPrefixes& prefixes) {
  Exporter(model, prefixes).AddLayer(parent, layer, PageFlip(*model.Current()));
}

}  // namespace kwhost
