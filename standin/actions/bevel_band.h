// Bevel joins, which the clipping library's offsetting lacks, and miter joins that turn to bevels
// beyond their limit (the library squares them off instead): the band along outlines with every
// corner mitred or cut straight between the ends of its two offset edges.
#ifndef KERFWORKS_STANDIN_ACTIONS_BEVEL_BAND_H
#define KERFWORKS_STANDIN_ACTIONS_BEVEL_BAND_H

#include <polyclipping/clipper.hpp>

#include <vector>

#include "standin/actions/polygons.h"

namespace standin {

// How far a band reaches to the left and to the right of the outlines' edges, in grid steps.
// Corners are mitred while the miter's tip lies within `miterLimit` times the reach of the corner,
// and bevelled beyond; 0 bevels every corner.
struct BandReach {
  double left = 0, right = 0;
  double miterLimit = 0;
};

// Pieces whose union is the band along the outlines: one rectangle per edge and one triangle (or
// mitred quadrilateral) per corner on the side where the offset edges part. Open outlines end flat
// at their ends. Every piece winds positively, so a non-zero union merges them.
ClipperLib::Paths BevelBand(const std::vector<Polyline>& outlines, const BandReach& reach);

// The polygons of a clipping result without the slivers, narrower than the flatness, that rounding
// leaves where many pieces meet.
ClipperLib::Paths WithoutSlivers(ClipperLib::Paths polygons);

}  // namespace standin

#endif  // KERFWORKS_STANDIN_ACTIONS_BEVEL_BAND_H
