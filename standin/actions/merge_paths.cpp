#include "standin/actions/merge_paths.h"

#include "standin/actions/polygons.h"
#include "standin/actions/shapes_in_document.h"
#include "standin/core/host.h"

namespace standin {
namespace {

struct Shape {
  AIArtHandle art;
  ClipperLib::Paths area;
};

// One connected piece of the union: its outer boundary, its holes and the shapes inside it.
struct Piece {
  ClipperLib::Paths polygons;
  std::vector<const Shape*> shapes;  // back to front
};

// Whether `point` lies in the piece's area, its boundary counted in.
bool Covers(const Piece& piece, const ClipperLib::IntPoint& point) {
  if (ClipperLib::PointInPolygon(point, piece.polygons.front()) == 0) return false;
  for (std::size_t hole = 1; hole < piece.polygons.size(); ++hole) {
    if (ClipperLib::PointInPolygon(point, piece.polygons[hole]) == 1) return false;
  }
  return true;
}

void CollectPieces(const ClipperLib::PolyNode& node, std::vector<Piece>& out) {
  for (const ClipperLib::PolyNode* outer : node.Childs) {
    Piece piece{{outer->Contour}, {}};
    for (const ClipperLib::PolyNode* hole : outer->Childs) {
      piece.polygons.push_back(hole->Contour);
      CollectPieces(*hole, out);
    }
    out.push_back(std::move(piece));
  }
}

}  // namespace

AIErr MergePathsAction::Play(ActionPlay& play, Host& host) const {
  DocumentModel& model = host.Documents();
  if (model.Current() == nullptr) return kNoDocumentErr;
  if (play.Find(FourCharCode("xpnd")) != nullptr) return kNoErr;
  std::vector<Shape> shapes;
  ClipperLib::Clipper clipper;
  for (AIArtHandle art : SelectedShapes(model)) {
    const ArtObject& object = *model.FindArt(art);
    Shape shape{art, FilledArea(FlattenArt(model, art), object.style.evenodd != 0)};
    if (shape.area.empty()) continue;
    clipper.AddPaths(shape.area, ClipperLib::ptSubject, true);
    shapes.push_back(std::move(shape));
  }
  ClipperLib::PolyTree united;
  clipper.Execute(ClipperLib::ctUnion, united, ClipperLib::pftNonZero, ClipperLib::pftNonZero);
  std::vector<Piece> pieces;
  CollectPieces(united, pieces);
  for (const Shape& shape : shapes) {
    for (Piece& piece : pieces) {
      if (Covers(piece, shape.area.front().front())) {
        piece.shapes.push_back(&shape);
        break;
      }
    }
  }
  for (const Piece& piece : pieces) {
    if (piece.shapes.size() < 2) continue;
    const AIArtHandle topmost = piece.shapes.back()->art;
    AIPathStyle style = model.FindArt(topmost)->style;
    style.evenodd = 0;
    if (PlaceShape(model, piece.polygons, style, {kPlaceAbove, topmost}) == nullptr) continue;
    for (const Shape* shape : piece.shapes) model.DisposeArt(shape->art);
    play.outcome.replaced += static_cast<int>(piece.shapes.size());
    ++play.outcome.added;
  }
  return kNoErr;
}

}  // namespace standin
