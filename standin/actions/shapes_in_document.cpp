#include "standin/actions/shapes_in_document.h"

#include "standin/actions/polygons.h"

namespace standin {
namespace {

bool AnyPartSelected(const DocumentModel& model, const ArtObject& compound) {
  for (AIArtHandle part : compound.children) {
    const ArtObject* path = model.FindArt(part);
    if (path != nullptr && (path->attributes & kArtSelected) != 0) return true;
  }
  return false;
}

void SetPath(ArtObject& path, const std::vector<AIPathSegment>& segments,
             const AIPathStyle& style) {
  path.segments = segments;
  path.closed = true;
  path.style = style;
  path.attributes |= kArtSelected;
}

void Collect(const ClipperLib::PolyNode& node, ClipperLib::Paths& out) {
  if (!node.Contour.empty()) out.push_back(node.Contour);
  for (const ClipperLib::PolyNode* child : node.Childs) Collect(*child, out);
}

}  // namespace

std::vector<AIArtHandle> SelectedShapes(const DocumentModel& model) {
  std::vector<AIArtHandle> shapes;
  for (AIArtHandle art : model.PaintOrder()) {
    const ArtObject* object = model.FindArt(art);
    const ArtObject* parent = model.FindArt(object->parent);
    const bool selected = (object->attributes & kArtSelected) != 0;
    if (object->type == kCompoundPathArt) {
      if (selected || AnyPartSelected(model, *object)) shapes.push_back(art);
    } else if (object->type == kPathArt && selected &&
               (parent == nullptr || parent->type != kCompoundPathArt)) {
      shapes.push_back(art);
    }
  }
  return shapes;
}

AIArtHandle PlaceOutline(DocumentModel& model,
                         const std::vector<std::vector<AIPathSegment>>& subpaths,
                         const AIPathStyle& style, const Placement& placement, bool compound) {
  if (subpaths.empty()) return nullptr;
  const std::int16_t type = compound ? kCompoundPathArt : kPathArt;
  AIArtHandle shape = nullptr;
  if (model.CreateArt(type, placement, &shape) != kNoErr) return nullptr;
  ArtObject& object = *model.FindArt(shape);
  if (!compound) {
    SetPath(object, subpaths.front(), style);
    return shape;
  }
  object.style = style;
  object.attributes |= kArtSelected;
  for (const std::vector<AIPathSegment>& segments : subpaths) {
    AIArtHandle part = nullptr;
    model.CreateArt(kPathArt, {kPlaceInsideOnTop, shape}, &part);
    SetPath(*model.FindArt(part), segments, style);
  }
  return shape;
}

AIArtHandle PlaceShape(DocumentModel& model, const ClipperLib::Paths& polygons,
                       const AIPathStyle& style, const Placement& placement) {
  std::vector<std::vector<AIPathSegment>> subpaths;
  for (const ClipperLib::Path& polygon : polygons) subpaths.push_back(ToSegments(polygon));
  return PlaceOutline(model, subpaths, style, placement, subpaths.size() > 1);
}

ClipperLib::Paths AllPolygons(const ClipperLib::PolyTree& tree) {
  ClipperLib::Paths out;
  Collect(tree, out);
  return out;
}

}  // namespace standin
