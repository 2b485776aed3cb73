#include "tools/kwhost/drawing_save.h"

#include <2geom/affine.h>
#include <2geom/transforms.h>
#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>
#include <pugixml.hpp>

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <optional>
#include <set>
#include <string_view>
#include <unordered_map>
#include <utility>

#include "tools/kwhost/document_export.h"
#include "tools/kwhost/latin1_text.h"
#include "tools/kwhost/original_text.h"
#include "tools/kwhost/path_data.h"
#include "tools/kwhost/svg/drawing.h"
#include "tools/kwhost/svg/svg_import.h"
#include "tools/kwhost/svg/svg_length.h"
#include "tools/kwhost/svg/svg_transform.h"

namespace kwhost {
namespace {

constexpr char kInkscapeNamespace[] = "http://www.inkscape.org/namespaces/inkscape";
constexpr char kSodipodiNamespace[] = "http://sodipodi.sourceforge.net/DTD/sodipodi-0.dtd";
// Shape attributes that no longer apply once a shape's outline is written as path data.
constexpr const char* kShapeAttributes[] = {"x",  "y", "width", "height", "rx", "ry", "cx",
                                            "cy", "r", "x1",    "y1",     "x2", "y2", "points"};

std::string_view LocalName(pugi::xml_node node) {
  const std::string_view name = node.name();
  return name.substr(name.find(':') == std::string_view::npos ? 0 : name.find(':') + 1);
}

std::string_view Trim(std::string_view text) {
  const auto first = text.find_first_not_of(" \t\r\n");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

// Replaces the properties `set` names in the element's style attribute, which wins over the
// presentation attributes and the style sheet; an empty value removes the property. The other
// declarations keep their text.
void SetStyle(pugi::xml_node element, const std::vector<std::pair<std::string, std::string>>& set) {
  std::string kept;
  std::string_view rest = element.attribute("style").value();
  while (!rest.empty()) {
    const auto end = rest.find(';');
    const std::string_view declaration = rest.substr(0, end);
    rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    const std::string_view name = Trim(declaration.substr(0, declaration.find(':')));
    bool replaced = false;
    for (const auto& [property, value] : set) replaced = replaced || name == property;
    if (!Trim(declaration).empty() && !replaced) kept += std::string(declaration) + ";";
  }
  for (const auto& [property, value] : set) {
    if (!value.empty()) kept += property + ":" + value + ";";
  }
  if (kept.empty()) {
    element.remove_attribute("style");
  } else {
    if (!element.attribute("style")) element.append_attribute("style");
    element.attribute("style").set_value(kept.c_str());
  }
}

void SetAttribute(pugi::xml_node element, const char* name, const std::string& value) {
  pugi::xml_attribute attribute = element.attribute(name);
  if (!attribute) attribute = element.append_attribute(name);
  attribute.set_value(value.c_str());
}

std::string Matrix(const Geom::Affine& m) {
  std::string text = "matrix(";
  for (int i = 0; i < 6; ++i) {
    if (i > 0) text += ' ';
    text += FormatReal(static_cast<AIReal>(m[i]));
  }
  return text + ")";
}

bool SameOutline(const standin::ArtObject& a, const standin::ArtObject& b) {
  if (a.closed != b.closed || a.segments.size() != b.segments.size()) return false;
  const auto same = [](const AIRealPoint& p, const AIRealPoint& q) {
    return p.h == q.h && p.v == q.v;
  };
  for (std::size_t i = 0; i < a.segments.size(); ++i) {
    const AIPathSegment &s = a.segments[i], &t = b.segments[i];
    if (!same(s.p, t.p) || !same(s.in, t.in) || !same(s.out, t.out)) return false;
  }
  return true;
}

// Page points to the user units of an element whose user space maps to the page by `toPage`.
std::vector<AIPathSegment> ToUserUnits(std::vector<AIPathSegment> segments,
                                       const Geom::Affine& toPage) {
  const Geom::Affine back = toPage.inverse();
  const auto map = [&back](AIRealPoint& p) {
    const Geom::Point q = Geom::Point(p.h, p.v) * back;
    p = {static_cast<AIReal>(q[Geom::X]), static_cast<AIReal>(q[Geom::Y])};
  };
  for (AIPathSegment& segment : segments) map(segment.p), map(segment.in), map(segment.out);
  return segments;
}

// The prefix bound to `uri` where `node` sits, with its colon; empty when none is.
std::string PrefixFor(pugi::xml_node node, std::string_view uri) {
  for (; node; node = node.parent()) {
    for (const pugi::xml_attribute& attribute : node.attributes()) {
      const std::string_view name = attribute.name();
      if (name.starts_with("xmlns:") && attribute.value() == uri) {
        return std::string(name.substr(6)) + ":";
      }
    }
  }
  return {};
}

class Merger {
 public:
  Merger(const LoadedDrawing& loaded, const standin::DocumentModel& model, SaveSummary& summary)
      : loaded_(loaded), model_(model), summary_(summary) {}

  std::string Run(const std::string& original) {
    // Every node inside the root, white space included, is kept so that the text can be written
    // back around the changes; values are read as they are, but for their references.
    constexpr unsigned kParse =
        (pugi::parse_default | pugi::parse_comments | pugi::parse_pi | pugi::parse_ws_pcdata) &
        ~pugi::parse_eol & ~pugi::parse_wconv_attribute;
    const pugi::xml_parse_result parsed =
        xml_.load_buffer(original.data(), original.size(), kParse);
    if (!parsed) throw ExportError("the drawing read at the start is no longer readable XML");
    // The reader holds the text as UTF-8, where the items' offsets point.
    const bool latin1 = parsed.encoding == pugi::encoding_latin1;
    if (parsed.encoding != pugi::encoding_utf8 && !latin1) {
      throw ExportError("only UTF-8 and ISO-8859-1 drawings can be saved into their own text");
    }
    root_ = xml_.document_element();
    if (latin1) converted_ = Latin1ToUtf8(original);
    text_.emplace(latin1 ? std::string_view(converted_) : std::string_view(original), xml_);
    IndexElements(root_);
    prefixes_ = DeclarePrefixes();
    rootToPage_ = RootToPage();
    const standin::Document& document = *model_.Current();
    for (auto layer = document.layers.rbegin(); layer != document.layers.rend(); ++layer) {
      MergeLayer(*model_.FindLayer(*layer));
    }
    RemoveUnclaimed();
    DropUnusedDeclarations();
    return latin1 ? Utf8ToLatin1(text_->Write()) : text_->Write();
  }

 private:
  void IndexElements(pugi::xml_node node) {
    for (pugi::xml_node child = node; child; child = child.next_sibling()) {
      if (child.type() != pugi::node_element) continue;
      byOffset_[child.offset_debug()] = child;
      IndexElements(child.first_child());
    }
  }

  pugi::xml_node SourceNode(AIArtHandle art) const {
    const auto source = loaded_.sources.find(art);
    if (source == loaded_.sources.end() || source->second.copied) return {};
    const auto node = byOffset_.find(source->second.offset);
    return node == byOffset_.end() ? pugi::xml_node() : node->second;
  }

  bool IsCopy(AIArtHandle art) const {
    const auto source = loaded_.sources.find(art);
    return source != loaded_.sources.end() && source->second.copied;
  }

  // The prefixes of our namespaces as the file binds them, bound on the root where it does not.
  SvgPrefixes DeclarePrefixes() {
    const auto bind = [this](const char* uri, const char* wanted) {
      std::string prefix = PrefixFor(root_, uri);
      if (!prefix.empty()) return prefix.substr(0, prefix.size() - 1);
      prefix = wanted;
      for (int n = 1; root_.attribute(("xmlns:" + prefix).c_str()); ++n) {
        prefix = wanted + std::to_string(n);
      }
      root_.append_attribute(("xmlns:" + prefix).c_str()) = uri;
      declared_.push_back(prefix);
      return prefix;
    };
    SvgPrefixes prefixes;
    prefixes.tag = bind(svg::kTagNamespace, "kw");
    prefixes.structure = bind(svg::kStructureNamespace, "kwsvg");
    // New art and new layers are written with these prefixes as they stand.
    if (PrefixFor(root_, kInkscapeNamespace) != "inkscape:" && !root_.attribute("xmlns:inkscape")) {
      root_.append_attribute("xmlns:inkscape") = kInkscapeNamespace;
      declared_.push_back("inkscape");
    }
    if (PrefixFor(root_, kSodipodiNamespace) != "sodipodi:" && !root_.attribute("xmlns:sodipodi")) {
      root_.append_attribute("xmlns:sodipodi") = kSodipodiNamespace;
      declared_.push_back("sodipodi");
    }
    return prefixes;
  }

  // A save that wrote nothing in our namespaces leaves the root's start tag as it was.
  void DropUnusedDeclarations() {
    std::set<std::string_view> used;
    CollectPrefixes(root_, used);
    for (const std::string& prefix : declared_) {
      if (!used.contains(prefix)) root_.remove_attribute(("xmlns:" + prefix).c_str());
    }
  }

  static void CollectPrefixes(pugi::xml_node element, std::set<std::string_view>& used) {
    const auto add = [&used](std::string_view name) {
      if (const auto colon = name.find(':'); colon != std::string_view::npos) {
        used.insert(name.substr(0, colon));
      }
    };
    add(element.name());
    for (const pugi::xml_attribute& attribute : element.attributes()) add(attribute.name());
    for (pugi::xml_node child : element.children()) {
      if (child.type() == pugi::node_element) CollectPrefixes(child, used);
    }
  }

  // The root's user units to page points, y up: the page size is the document's, and a viewBox
  // is fitted into it uniformly and centred, as the drawing was read.
  Geom::Affine RootToPage() const {
    const standin::Document& document = *model_.Current();
    const double width = document.setup.width, height = document.setup.height;
    Geom::Affine toPoints(0.75, 0, 0, 0.75, 0, 0);
    const auto box = svg::ParseNumberList(root_.attribute("viewBox").value());
    if (box && box->size() == 4 && (*box)[2] > 0 && (*box)[3] > 0) {
      const double scale = std::min(width / (*box)[2], height / (*box)[3]);
      toPoints =
          Geom::Affine(scale, 0, 0, scale, (width - (*box)[2] * scale) / 2 - (*box)[0] * scale,
                       (height - (*box)[3] * scale) / 2 - (*box)[1] * scale);
    }
    return toPoints * Geom::Affine(1, 0, 0, -1, 0, height);
  }

  Geom::Affine ToPage(pugi::xml_node element) const {
    Geom::Affine affine = rootToPage_;
    for (pugi::xml_node node = element; node && node != root_; node = node.parent()) {
      if (auto own = svg::ParseTransform(node.attribute("transform").value()))
        affine = *own * affine;
    }
    return affine;
  }

  void MergeLayer(const standin::LayerObject& layer) {
    pugi::xml_node container = LayerElement(layer);
    if (!container) {
      AppendLayerSvg(root_, model_, layer, prefixes_);
      summary_.added += static_cast<int>(layer.art.size());
      return;
    }
    MergeChildren(container, layer.art);
  }

  // The element the layer was read from: the parent of its art's elements, else the layer group
  // of its name, else the root for the layer that took the art outside every layer group.
  pugi::xml_node LayerElement(const standin::LayerObject& layer) const {
    for (AIArtHandle art : layer.art) {
      if (pugi::xml_node node = SourceNode(art)) return node.parent();
    }
    for (pugi::xml_node child : root_.children("g")) {
      if (std::string_view(child.attribute(svg::kGroupModeAttribute).value()) ==
              svg::kLayerGroupMode &&
          (layer.title == child.attribute(svg::kLabelAttribute).value() ||
           layer.title == child.attribute("id").value())) {
        return child;
      }
    }
    return layer.title == svg::kDefaultLayerName ? root_ : pugi::xml_node();
  }

  // Puts the elements of `arts` (back to front) into `container` in that order: kept elements
  // patched where their art changed, new art written beside the art it is painted after.
  void MergeChildren(pugi::xml_node container, const std::vector<AIArtHandle>& arts) {
    pugi::xml_node previous;
    for (AIArtHandle art : arts) {
      pugi::xml_node node = SourceNode(art);
      if (node && node.parent() == container && !claimed_.contains(node)) {
        claimed_.insert(node);
        if (previous && !Follows(node, previous)) container.insert_move_after(node, previous);
        Patch(node, art);
        previous = node;
      } else if (IsCopy(art) && !Changed(art)) {
        // Still drawn by its <use>, which stays where it is.
      } else {
        previous = AddNew(container, previous, art);
      }
    }
  }

  static bool Follows(pugi::xml_node node, pugi::xml_node previous) {
    for (pugi::xml_node next = previous.next_sibling(); next; next = next.next_sibling()) {
      if (next == node) return true;
    }
    return false;
  }

  pugi::xml_node AddNew(pugi::xml_node container, pugi::xml_node previous, AIArtHandle art) {
    pugi::xml_node node = AppendArtSvg(container, model_, art, prefixes_);
    const pugi::xml_node anchor = previous ? previous : FirstArtElement(container);
    // The new element gets the line break and indent its neighbour has.
    const pugi::xml_node space = anchor.previous_sibling();
    const bool indented = space.type() == pugi::node_pcdata && Trim(space.value()).empty();
    if (previous) {
      container.insert_move_after(node, previous);
      if (indented) container.insert_child_before(pugi::node_pcdata, node).set_value(space.value());
    } else if (anchor) {
      container.insert_move_before(node, anchor);
      if (indented) container.insert_child_after(pugi::node_pcdata, node).set_value(space.value());
    }
    const Geom::Affine back = ToPage(container).inverse();
    if (!back.isIdentity()) SetAttribute(node, "transform", Matrix(back));
    ++summary_.added;
    return node;
  }

  pugi::xml_node FirstArtElement(pugi::xml_node container) const {
    for (pugi::xml_node child : container.children()) {
      for (const auto& [art, source] : loaded_.sources) {
        if (SourceNode(art) == child) return child;
      }
    }
    return {};
  }

  bool Changed(AIArtHandle art) const {
    const standin::ArtObject& now = *model_.FindArt(art);
    const auto before = loaded_.asLoaded.find(art);
    if (before == loaded_.asLoaded.end()) return true;
    constexpr std::int32_t kKept = kArtHidden | kArtLocked;
    const standin::ArtObject& was = before->second;
    if ((now.attributes & kKept) != (was.attributes & kKept) || !SameTags(now, was)) return true;
    if (now.type == kPathArt)
      return !SameOutline(now, was) || PaintOf(now.style) != PaintOf(was.style);
    if (now.children != was.children) return true;
    for (AIArtHandle child : now.children) {
      if (Changed(child)) return true;
    }
    return false;
  }

  static bool SameTags(const standin::ArtObject& a, const standin::ArtObject& b) {
    if (a.tags.size() != b.tags.size()) return false;
    for (const auto& [name, tag] : a.tags) {
      const auto other = b.tags.find(name);
      if (other == b.tags.end() || other->second.value != tag.value) return false;
    }
    return true;
  }

  void Patch(pugi::xml_node node, AIArtHandle handle) {
    const standin::ArtObject& now = *model_.FindArt(handle);
    const standin::ArtObject& was = loaded_.asLoaded.at(handle);
    bool changed = PatchAttributes(node, now, was);
    const std::string_view name = LocalName(node);
    if (name == "use" && now.type == kGroupArt && Changed(handle)) {
      Unlink(node, now);
      ++summary_.changed;
      return;
    }
    if (now.type == kGroupArt || (now.type == kCompoundPathArt && name == "g")) {
      MergeChildren(node, now.children);
    } else if (now.type == kPathArt || now.type == kCompoundPathArt) {
      changed = PatchOutline(node, now, was) || changed;
    }
    if (changed) ++summary_.changed;
  }

  // A copy that changed can no longer be drawn by its <use>: the <use> becomes a group of what
  // it showed, placed where the <use> put it, as an editor unlinks a clone.
  void Unlink(pugi::xml_node use, const standin::ArtObject& copy) {
    const std::string_view name = use.name();
    Geom::Affine placed = Geom::Translate(svg::ParseNumber(use.attribute("x").value()).value_or(0),
                                          svg::ParseNumber(use.attribute("y").value()).value_or(0));
    if (auto own = svg::ParseTransform(use.attribute("transform").value())) placed *= *own;
    use.set_name((std::string(name.substr(0, name.size() - LocalName(use).size())) + "g").c_str());
    for (const char* attribute : {"href", "xlink:href", "x", "y", "width", "height", "transform"})
      use.remove_attribute(attribute);
    if (!placed.isIdentity()) SetAttribute(use, "transform", Matrix(placed));
    pugi::xml_node previous;
    for (AIArtHandle child : copy.children) previous = AddNew(use, previous, child);
    summary_.notes.push_back("the <use> \"" + std::string(use.attribute("id").value()) +
                             "\" had a changed copy: it is now a group of the art it showed");
  }

  bool PatchAttributes(pugi::xml_node node, const standin::ArtObject& now,
                       const standin::ArtObject& was) {
    bool changed = false;
    if ((now.attributes & kArtHidden) != (was.attributes & kArtHidden)) {
      const bool hidden = (now.attributes & kArtHidden) != 0;
      node.remove_attribute("display");
      SetStyle(node, {{"display", ""}, {"visibility", hidden ? "hidden" : "visible"}});
      changed = true;
    }
    if ((now.attributes & kArtLocked) != (was.attributes & kArtLocked)) {
      if ((now.attributes & kArtLocked) != 0) {
        SetAttribute(node, svg::kInsensitiveAttribute, "true");
      } else {
        node.remove_attribute(svg::kInsensitiveAttribute);
      }
      changed = true;
    }
    if (!SameTags(now, was)) {
      std::string prefix = PrefixFor(node, svg::kTagNamespace);
      for (const auto& [name, tag] : was.tags) {
        if (!now.tags.contains(name)) node.remove_attribute((prefix + name).c_str());
      }
      for (const auto& [name, tag] : now.tags)
        SetAttribute(node, (prefix + name).c_str(), tag.value);
      changed = true;
    }
    return changed;
  }

  // Writes the outline and paint of a path or compound path that changed; a shape becomes a path.
  bool PatchOutline(pugi::xml_node node, const standin::ArtObject& now,
                    const standin::ArtObject& was) {
    std::vector<const standin::ArtObject*> parts{&now}, wasParts{&was};
    if (now.type == kCompoundPathArt) {
      parts.clear();
      wasParts.clear();
      for (AIArtHandle child : now.children) parts.push_back(model_.FindArt(child));
      for (AIArtHandle child : was.children) wasParts.push_back(&loaded_.asLoaded.at(child));
    }
    bool outlineChanged = now.children != was.children;
    for (std::size_t i = 0; !outlineChanged && i < parts.size(); ++i) {
      outlineChanged = !SameOutline(*parts[i], *wasParts[i]);
    }
    const bool paintChanged = !parts.empty() && !wasParts.empty() &&
                              PaintOf(parts.front()->style) != PaintOf(wasParts.front()->style);
    const Geom::Affine toPage = ToPage(node);
    if (outlineChanged) {
      std::string data;
      for (const standin::ArtObject* part : parts) {
        const auto partData = PathData(ToUserUnits(part->segments, toPage), part->closed);
        if (!partData) throw ExportError(Describe(now) + " has a coordinate that is not a number");
        data += (data.empty() ? "" : " ") + *partData;
      }
      if (LocalName(node) != "path") {
        const std::string_view name = node.name();
        node.set_name(
            (std::string(name.substr(0, name.size() - LocalName(node).size())) + "path").c_str());
        for (const char* attribute : kShapeAttributes) node.remove_attribute(attribute);
      }
      SetAttribute(node, "d", data);
    }
    if (paintChanged) {
      const Paint paint = PaintOf(parts.front()->style);
      std::string width;
      if (!paint.strokeWidth.empty()) {
        const double scale = std::sqrt(std::abs(toPage.det()));
        width = FormatReal(static_cast<AIReal>(parts.front()->style.stroke.width / scale));
      }
      SetStyle(node, {{"fill", paint.fill}, {"stroke", paint.stroke}, {"stroke-width", width}});
    }
    return outlineChanged || paintChanged;
  }

  void RemoveUnclaimed() {
    std::set<pugi::xml_node> shared;  // elements copies were made from: their <use> needs them
    for (const auto& [art, source] : loaded_.sources) {
      if (!source.copied) continue;
      const auto node = byOffset_.find(source.offset);
      if (node != byOffset_.end()) shared.insert(node->second);
    }
    std::vector<pugi::xml_node> gone;
    for (const auto& [art, source] : loaded_.sources) {
      pugi::xml_node node = SourceNode(art);
      if (node && !claimed_.contains(node) && !shared.contains(node)) gone.push_back(node);
    }
    const std::set<pugi::xml_node> goneSet(gone.begin(), gone.end());
    for (pugi::xml_node node : gone) {
      bool inside = false;
      for (pugi::xml_node up = node.parent(); up && !inside; up = up.parent()) {
        inside = goneSet.contains(up);
      }
      if (inside) continue;
      text_->Remove(node);
      ++summary_.removed;
    }
  }

  std::string Describe(AIArtHandle art) const { return Describe(*model_.FindArt(art)); }

  static std::string Describe(const standin::ArtObject& object) {
    return object.name.empty() || object.name.starts_with(kUnnamedPrefix)
               ? "unnamed"
               : "\"" + object.name + "\"";
  }

  const LoadedDrawing& loaded_;
  const standin::DocumentModel& model_;
  SaveSummary& summary_;
  pugi::xml_document xml_;
  pugi::xml_node root_;
  std::string converted_;  // an ISO-8859-1 original in UTF-8
  std::optional<OriginalText> text_;
  std::vector<std::string> declared_;  // prefixes this save bound on the root
  std::unordered_map<std::ptrdiff_t, pugi::xml_node> byOffset_;
  std::set<pugi::xml_node> claimed_;
  SvgPrefixes prefixes_;
  Geom::Affine rootToPage_;
};

}  // namespace

std::string SaveIntoOriginal(const std::string& original, const LoadedDrawing& loaded,
                             const standin::DocumentModel& model, SaveSummary& summary) {
  if (model.Current() == nullptr) throw ExportError("no document is open");
  return Merger(loaded, model, summary).Run(original);
}

void WriteFileWhole(const std::string& path, const std::string& text) {
  const auto fail = [&path](const std::string& reason) {
    throw ExportError("cannot write \"" + path + "\": " + reason);
  };
  const std::filesystem::path target(path);
  std::string temporary = (target.parent_path() /
                           (std::string(".").append(target.filename().string()) + ".kwhost-XXXXXX"))
                              .string();
  const int fd = mkstemp(temporary.data());
  if (fd < 0) fail(std::strerror(errno));
  std::size_t written = 0;
  while (written < text.size()) {
    const ssize_t n = write(fd, text.data() + written, text.size() - written);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    written += static_cast<std::size_t>(n);
  }
  const int writeError = written == text.size() ? 0 : (errno != 0 ? errno : EIO);
  // A new file gets the usual permissions rather than mkstemp's owner-only ones.
  const mode_t mask = umask(0);
  umask(mask);
  fchmod(fd, 0666 & ~mask);
  const bool closed = close(fd) == 0;
  const int error = writeError != 0 ? writeError : (closed ? 0 : errno);
  if (error == 0 && std::rename(temporary.c_str(), path.c_str()) == 0) return;
  const int reason = error != 0 ? error : errno;
  std::remove(temporary.c_str());
  fail(std::strerror(reason));
}

}  // namespace kwhost
