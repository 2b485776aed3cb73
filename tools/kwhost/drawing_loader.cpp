#include "tools/kwhost/drawing_loader.h"

#include <algorithm>
#include <cstdint>

#include "tools/kwhost/svg/svg_omissions.h"

namespace kwhost {
namespace {

AIColor Rgb(const svg::Paint& paint) {
  AIColor colour{};
  colour.kind = kThreeColor;
  colour.c.rgb = {static_cast<AIReal>(paint.red), static_cast<AIReal>(paint.green),
                  static_cast<AIReal>(paint.blue)};
  return colour;
}

AIPathStyle PathStyle(const svg::Style& style) {
  AIPathStyle out = standin::UnpaintedStyle();
  out.fillPaint = style.fill.on ? 1 : 0;
  if (style.fill.on) out.fill.color = Rgb(style.fill);
  out.strokePaint = style.stroke.on ? 1 : 0;
  if (style.stroke.on) {
    out.stroke.color = Rgb(style.stroke);
    out.stroke.width = static_cast<AIReal>(style.strokeWidth);
    out.stroke.cap = style.lineCap;
    out.stroke.join = style.lineJoin;
    out.stroke.miterLimit = static_cast<AIReal>(style.miterLimit);
    // The host holds six dash lengths; longer patterns keep their first six.
    const std::size_t dashes = std::min<std::size_t>(style.dashes.size(), 6);
    out.stroke.dash.length = static_cast<std::int16_t>(dashes);
    for (std::size_t i = 0; i < dashes; ++i)
      out.stroke.dash.array[i] = static_cast<AIReal>(style.dashes[i]);
    out.stroke.dash.offset = static_cast<AIReal>(style.dashOffset);
  }
  return out;
}

AIRealPoint Real(const svg::Point& p) {
  return {static_cast<AIReal>(p.x), static_cast<AIReal>(p.y)};
}

std::vector<AIPathSegment> Segments(const svg::Subpath& outline) {
  std::vector<AIPathSegment> segments;
  segments.reserve(outline.anchors.size());
  for (const svg::Anchor& anchor : outline.anchors) {
    AIPathSegment segment{};
    segment.p = Real(anchor.p);
    segment.in = Real(anchor.in);
    segment.out = Real(anchor.out);
    segment.corner = anchor.corner ? 1 : 0;
    segments.push_back(segment);
  }
  return segments;
}

std::vector<standin::TextRun> Runs(const svg::Item& text) {
  std::vector<standin::TextRun> runs;
  for (const svg::TextSpan& span : text.spans) {
    standin::TextRun run;
    run.characters = span.characters;
    run.fontFamily = span.fontFamily;
    run.fontSize = span.fontSize;
    run.fontWeight = span.fontWeight;
    run.italic = span.italic;
    if (span.start) run.start = standin::TextPoint{span.start->x, span.start->y};
    run.shift = {span.shift.x, span.shift.y};
    run.anchor = span.anchor;
    runs.push_back(std::move(run));
  }
  return runs;
}

void SelectTree(AIArtHandle art, standin::DocumentModel& model) {
  standin::ArtObject* object = model.FindArt(art);
  if (object == nullptr) return;
  object->attributes |= kArtSelected;
  for (AIArtHandle child : object->children) SelectTree(child, model);
}

}  // namespace

DocumentLoader::DocumentLoader(standin::DocumentModel& model, Snapshot snapshot)
    : model_(model), builder_(model), snapshot_(snapshot) {}

void DocumentLoader::BeginLayer(const svg::Layer& layer) {
  // The SVG's first layer is painted first, so it is the bottom layer.
  builder_.Layer(layer.name, !layer.hidden, layer.locked);
  layers_.push_back({builder_.TargetLayer(), layer.hidden});
}

void DocumentLoader::Add(std::size_t layer, svg::Item&& item) {
  const LayerInDocument& into = layers_.at(layer);
  if (builder_.TargetLayer() != into.handle) builder_.ToLayer(into.handle);
  loaded_.hiddenPaths += svg::HiddenPaths(item, into.hidden);
  AddItem(item);
}

LoadedDrawing DocumentLoader::Finish(const svg::Drawing& drawing) {
  builder_.Page(static_cast<AIReal>(drawing.widthPoints),
                static_cast<AIReal>(drawing.heightPoints));
  builder_.CurrentLayer(drawing.layers.front().name);
  if (snapshot_ == Snapshot::kTake) {
    for (AIArtHandle art : model_.PaintOrder()) loaded_.asLoaded[art] = *model_.FindArt(art);
  }
  return std::move(loaded_);
}

void DocumentLoader::AddItem(svg::Item& item) {
  const std::string name = NameFor(item);
  switch (item.kind) {
    case svg::Item::Kind::kGroup:
      Record(item, builder_.BeginGroup(name));
      for (svg::Item& child : item.children) AddItem(child);
      builder_.End();
      break;
    case svg::Item::Kind::kCompoundPath:
      Record(item, builder_.BeginCompoundPath(name));
      for (svg::Item& child : item.children) AddItem(child);
      builder_.End();
      break;
    case svg::Item::Kind::kPath:
      Record(item, builder_.Path(name, Segments(item.outline), item.outline.closed)
                       .Style(PathStyle(item.style)));
      std::vector<svg::Anchor>().swap(item.outline.anchors);
      ++loaded_.paths;
      break;
    case svg::Item::Kind::kText:
      Record(item,
             builder_.Text(name).Style(PathStyle(item.style)).Runs(Runs(item), item.textMatrix));
      break;
    case svg::Item::Kind::kPlaced:
      Record(item, builder_.Art(name, kPlacedArt));
      break;
  }
}

std::string DocumentLoader::NameFor(const svg::Item& item) {
  if (!item.id.empty() && !loaded_.byId.contains(item.id)) return item.id;
  std::string name = kUnnamedPrefix;
  return name += std::to_string(++unnamed_);
}

void DocumentLoader::Record(const svg::Item& item, standin::ArtBuilder art) {
  if (item.hidden) art.Hidden();
  if (item.locked) art.Locked();
  for (const auto& [name, value] : item.tags) art.Tag(name, value);
  if (!item.id.empty() && !loaded_.byId.contains(item.id)) loaded_.byId[item.id] = art.Handle();
  if (item.source >= 0) loaded_.sources[art.Handle()] = {item.source, item.copied};
}

LoadedDrawing LoadDrawing(svg::Drawing drawing, standin::DocumentModel& model, Snapshot snapshot) {
  DocumentLoader loader(model, snapshot);
  for (std::size_t layer = 0; layer < drawing.layers.size(); ++layer) {
    loader.BeginLayer(drawing.layers[layer]);
    for (svg::Item& item : drawing.layers[layer].items) loader.Add(layer, std::move(item));
  }
  return loader.Finish(drawing);
}

AIArtHandle ArtWithId(const LoadedDrawing& loaded, const std::string& id) {
  const auto found = loaded.byId.find(id);
  if (found == loaded.byId.end()) throw SelectionError("no element has the id \"" + id + "\"");
  return found->second;
}

void SelectById(const LoadedDrawing& loaded, const std::vector<std::string>& ids,
                standin::DocumentModel& model) {
  for (const std::string& id : ids) SelectTree(ArtWithId(loaded, id), model);
}

}  // namespace kwhost
