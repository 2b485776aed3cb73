#include "standin/actions/outline_text.h"

#include <fontconfig/fontconfig.h>
#include <pango/pangocairo.h>
#include <strings.h>

#include <algorithm>
#include <cmath>
#include <memory>

#include "standin/actions/shapes_in_document.h"
#include "standin/core/host.h"

namespace standin {
namespace {

template <typename T, void (*Free)(T*)>
struct Freer {
  void operator()(T* p) const { Free(p); }
};
template <typename T, void (*Free)(T*)>
using Owned = std::unique_ptr<T, Freer<T, Free>>;

template <typename T>
void Unref(T* object) {
  g_object_unref(object);
}

// The generic families always resolve to an installed font.
constexpr const char* kGenericFamilies[] = {"serif",   "sans-serif", "sans",     "monospace",
                                            "cursive", "fantasy",    "system-ui"};

std::vector<std::string> Families(const std::string& list) {
  std::vector<std::string> out;
  std::size_t begin = 0;
  while (begin <= list.size()) {
    std::size_t end = list.find(',', begin);
    if (end == std::string::npos) end = list.size();
    std::string family = list.substr(begin, end - begin);
    const auto first = family.find_first_not_of(" \t\"'");
    const auto last = family.find_last_not_of(" \t\"'");
    if (first != std::string::npos) out.push_back(family.substr(first, last - first + 1));
    begin = end + 1;
  }
  return out;
}

// The family fontconfig sets `family` in.
std::string MatchedFamily(const std::string& family) {
  Owned<FcPattern, FcPatternDestroy> pattern(FcPatternCreate());
  FcPatternAddString(pattern.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
  FcConfigSubstitute(nullptr, pattern.get(), FcMatchPattern);
  FcDefaultSubstitute(pattern.get());
  FcResult result = FcResultNoMatch;
  Owned<FcPattern, FcPatternDestroy> match(FcFontMatch(nullptr, pattern.get(), &result));
  FcChar8* name = nullptr;
  if (!match || FcPatternGetString(match.get(), FC_FAMILY, 0, &name) != FcResultMatch) return "";
  return reinterpret_cast<const char*>(name);
}

// Empty when one of the families is installed; else the warning.
std::string MissingFontWarning(const std::string& list, const std::string& textName) {
  const std::vector<std::string> families = Families(list);
  for (const std::string& family : families) {
    for (const char* generic : kGenericFamilies) {
      if (strcasecmp(family.c_str(), generic) == 0) return "";
    }
    if (strcasecmp(MatchedFamily(family).c_str(), family.c_str()) == 0) return "";
  }
  const std::string wanted = families.empty() ? std::string("(none)") : families.front();
  return "text \"" + textName + "\": font \"" + wanted + "\" is missing; set in \"" +
         MatchedFamily(wanted) + "\" instead";
}

struct Pen {
  double x = 0, y = 0;
};

// The current cairo path as closed subpaths, moved by `at`.
GlyphOutline CopyPath(cairo_t* cr) {
  GlyphOutline subpaths;
  Owned<cairo_path_t, cairo_path_destroy> path(cairo_copy_path(cr));
  const auto segment = [](double x, double y) {
    AIPathSegment s{};
    s.p = {static_cast<AIReal>(x), static_cast<AIReal>(y)};
    s.in = s.out = s.p;
    s.corner = 1;
    return s;
  };
  for (int i = 0; i < path->num_data; i += path->data[i].header.length) {
    const cairo_path_data_t* data = &path->data[i];
    switch (data->header.type) {
      case CAIRO_PATH_MOVE_TO:
        subpaths.push_back({segment(data[1].point.x, data[1].point.y)});
        break;
      case CAIRO_PATH_LINE_TO:
        subpaths.back().push_back(segment(data[1].point.x, data[1].point.y));
        break;
      case CAIRO_PATH_CURVE_TO: {
        AIPathSegment end = segment(data[3].point.x, data[3].point.y);
        subpaths.back().back().out = {static_cast<AIReal>(data[1].point.x),
                                      static_cast<AIReal>(data[1].point.y)};
        end.in = {static_cast<AIReal>(data[2].point.x), static_cast<AIReal>(data[2].point.y)};
        subpaths.back().push_back(end);
        break;
      }
      case CAIRO_PATH_CLOSE_PATH: {
        std::vector<AIPathSegment>& open = subpaths.back();
        // The closing anchor repeats the first: its in-handle belongs to the first.
        if (open.size() > 1 && open.back().p.h == open.front().p.h &&
            open.back().p.v == open.front().p.v) {
          open.front().in = open.back().in;
          open.pop_back();
        }
        break;
      }
    }
  }
  std::erase_if(subpaths, [](const auto& subpath) { return subpath.size() < 2; });
  return subpaths;
}

class Typesetter {
 public:
  Typesetter()
      : surface_(cairo_recording_surface_create(CAIRO_CONTENT_ALPHA, nullptr)),
        cr_(cairo_create(surface_.get())),
        context_(pango_font_map_create_context(pango_cairo_font_map_get_default())) {
    // Outlines at design size: no hinting, no rounding of positions.
    Owned<cairo_font_options_t, cairo_font_options_destroy> options(cairo_font_options_create());
    cairo_font_options_set_hint_style(options.get(), CAIRO_HINT_STYLE_NONE);
    cairo_font_options_set_hint_metrics(options.get(), CAIRO_HINT_METRICS_OFF);
    pango_cairo_context_set_font_options(context_.get(), options.get());
    pango_context_set_round_glyph_positions(context_.get(), FALSE);
  }

  // Sets `run` with its baseline start at `pen`, appending its glyphs; returns its advance.
  double Set(const TextRun& run, Pen pen, std::vector<GlyphOutline>& glyphs) {
    Owned<PangoLayout, Unref<PangoLayout>> layout(pango_layout_new(context_.get()));
    Owned<PangoFontDescription, pango_font_description_free> font(pango_font_description_new());
    pango_font_description_set_family(font.get(), run.fontFamily.c_str());
    pango_font_description_set_absolute_size(font.get(), run.fontSize * PANGO_SCALE);
    pango_font_description_set_weight(font.get(), static_cast<PangoWeight>(run.fontWeight));
    pango_font_description_set_style(font.get(),
                                     run.italic ? PANGO_STYLE_ITALIC : PANGO_STYLE_NORMAL);
    pango_layout_set_font_description(layout.get(), font.get());
    pango_layout_set_text(layout.get(), run.characters.c_str(), -1);
    const double baseline = pango_layout_get_baseline(layout.get());
    Owned<PangoLayoutIter, pango_layout_iter_free> iter(pango_layout_get_iter(layout.get()));
    do {
      PangoLayoutRun* item = pango_layout_iter_get_run_readonly(iter.get());
      if (item == nullptr) continue;
      PangoRectangle logical;
      pango_layout_iter_get_run_extents(iter.get(), nullptr, &logical);
      double x = logical.x;
      for (int i = 0; i < item->glyphs->num_glyphs; ++i) {
        PangoGlyphInfo glyph = item->glyphs->glyphs[i];
        const double advance = glyph.geometry.width;
        Owned<PangoGlyphString, pango_glyph_string_free> one(pango_glyph_string_new());
        pango_glyph_string_set_size(one.get(), 1);
        one->glyphs[0] = glyph;
        cairo_new_path(cr_.get());
        cairo_move_to(
            cr_.get(), pen.x + x / PANGO_SCALE,
            pen.y + (pango_layout_iter_get_baseline(iter.get()) - baseline) / PANGO_SCALE);
        pango_cairo_glyph_string_path(cr_.get(), item->item->analysis.font, one.get());
        GlyphOutline outline = CopyPath(cr_.get());
        if (!outline.empty()) glyphs.push_back(std::move(outline));
        x += advance;
      }
    } while (pango_layout_iter_next_run(iter.get()));
    cairo_new_path(cr_.get());
    PangoRectangle logical;
    pango_layout_get_extents(layout.get(), nullptr, &logical);
    return static_cast<double>(logical.width) / PANGO_SCALE;
  }

 private:
  Owned<cairo_surface_t, cairo_surface_destroy> surface_;
  Owned<cairo_t, cairo_destroy> cr_;
  Owned<PangoContext, Unref<PangoContext>> context_;
};

void Move(std::vector<GlyphOutline>& glyphs, std::size_t from, double dx) {
  for (std::size_t g = from; g < glyphs.size(); ++g) {
    for (auto& subpath : glyphs[g]) {
      for (AIPathSegment& s : subpath) {
        for (AIRealPoint* p : {&s.p, &s.in, &s.out}) p->h = static_cast<AIReal>(p->h + dx);
      }
    }
  }
}

AIRealPoint OnPage(const double (&m)[6], const AIRealPoint& p) {
  return {static_cast<AIReal>(m[0] * p.h + m[2] * p.v + m[4]),
          static_cast<AIReal>(m[1] * p.h + m[3] * p.v + m[5])};
}

}  // namespace

std::vector<GlyphOutline> TextGlyphs(const ArtObject& text, const std::string& textName,
                                     std::vector<std::string>& warnings) {
  std::vector<GlyphOutline> glyphs;
  Typesetter typesetter;
  Pen pen;
  std::size_t chunkGlyphs = 0;
  double chunkStart = 0;
  int anchor = 0;
  const auto endChunk = [&] {
    Move(glyphs, chunkGlyphs, -(pen.x - chunkStart) * anchor / 2.0);
    chunkGlyphs = glyphs.size();
  };
  for (const TextRun& run : text.textRuns) {
    if (run.start) {
      endChunk();
      pen = {run.start->x, run.start->y};
      chunkStart = pen.x;
      anchor = run.anchor;
    }
    pen.x += run.shift.x;
    pen.y += run.shift.y;
    const std::string warning = MissingFontWarning(run.fontFamily, textName);
    if (!warning.empty() &&
        std::find(warnings.begin(), warnings.end(), warning) == warnings.end()) {
      warnings.push_back(warning);
    }
    pen.x += typesetter.Set(run, pen, glyphs);
  }
  endChunk();
  for (GlyphOutline& glyph : glyphs) {
    for (auto& subpath : glyph) {
      for (AIPathSegment& s : subpath) {
        for (AIRealPoint* p : {&s.p, &s.in, &s.out}) *p = OnPage(text.textMatrix, *p);
      }
    }
  }
  return glyphs;
}

AIErr OutlineTextAction::Play(ActionPlay& play, Host& host) const {
  DocumentModel& model = host.Documents();
  if (model.Current() == nullptr) return kNoDocumentErr;
  for (AIArtHandle art : model.PaintOrder()) {
    const ArtObject* text = model.FindArt(art);
    if (text == nullptr || text->type != kTextArt || (text->attributes & kArtSelected) == 0) {
      continue;
    }
    const std::vector<GlyphOutline> glyphs = TextGlyphs(*text, text->name, play.outcome.warnings);
    // A text without ink (no runs, or blanks only) has nothing to outline.
    if (glyphs.empty()) continue;
    AIArtHandle group = nullptr;
    if (model.CreateArt(kGroupArt, {kPlaceAbove, art}, &group) != kNoErr) continue;
    model.FindArt(group)->attributes |= kArtSelected;
    for (const GlyphOutline& glyph : glyphs) {
      PlaceOutline(model, glyph, text->style, {kPlaceInsideOnTop, group}, true);
    }
    model.DisposeArt(art);
    ++play.outcome.replaced;
    ++play.outcome.added;
  }
  return kNoErr;
}

}  // namespace standin
