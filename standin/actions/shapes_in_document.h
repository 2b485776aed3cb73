// The art the path actions work on, and the art they put in its place.
#ifndef KERFWORKS_STANDIN_ACTIONS_SHAPES_IN_DOCUMENT_H
#define KERFWORKS_STANDIN_ACTIONS_SHAPES_IN_DOCUMENT_H

#include <polyclipping/clipper.hpp>

#include <vector>

#include "standin/model/document.h"

namespace standin {

// The selected paths and compound paths, back to front. A compound path counts whole when it or
// any of its parts is selected; its parts do not count on their own.
std::vector<AIArtHandle> SelectedShapes(const DocumentModel& model);

// Puts a new, selected shape where `placement` says: a path for one polygon, a compound path of
// one path per polygon for several, every part painted with `style`. Null (and nothing made)
// when there are no polygons or the place takes no new art.
AIArtHandle PlaceShape(DocumentModel& model, const ClipperLib::Paths& polygons,
                       const AIPathStyle& style, const Placement& placement);

// The same for closed subpaths of any segments; a compound path also for one subpath when
// `compound` says so.
AIArtHandle PlaceOutline(DocumentModel& model,
                         const std::vector<std::vector<AIPathSegment>>& subpaths,
                         const AIPathStyle& style, const Placement& placement, bool compound);

// Every polygon of a clipping result, outer boundaries and holes alike.
ClipperLib::Paths AllPolygons(const ClipperLib::PolyTree& tree);

}  // namespace standin

#endif  // KERFWORKS_STANDIN_ACTIONS_SHAPES_IN_DOCUMENT_H
