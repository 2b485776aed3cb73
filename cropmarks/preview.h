// The palette's preview: the page as a white sheet fitted into the preview item, the paths the cut
// command would write (marked ones red) and, when the document has crop marks, their circles and
// the area between them. Everything is asked of the host anew on every paint; nothing is cached.
//
// Drawing is in whole drawer pixels, y growing downwards; page coordinates are points from the
// page's lower-left corner, y growing upwards.
#ifndef KERFWORKS_CROPMARKS_PREVIEW_H
#define KERFWORKS_CROPMARKS_PREVIEW_H

#include "cropmarks/crop_mark_rect.h"
#include "hostapi/suites.h"

// Where the page lies in the drawer, and how page points map onto it.
struct PreviewFrame {
  ASRect page;      // the page rectangle in drawer pixels
  float pageWidth;  // page size in points
  float pageHeight;
  float marginShiftX;  // points subtracted from page x before mapping (crop marks only)
  float marginShiftY;
};

// The draw procedure of the preview item: draws, and keeps the Crop-marks button's picture in
// step with the document (1008 with crop marks, 1006 without). No document: nothing is drawn.
void KW_API DrawPreview(ADMItemRef item, ADMDrawerRef drawer);

// Turns the drawer bounds `rect` into the page rectangle, the page centred along its free
// direction, and paints it white. False, with nothing painted, for a page without area.
bool FitPageRect(ASRect& rect, ADMDrawerRef drawer, float pageWidth, float pageHeight);

// Pixels per point for the frame's page rectangle.
float PreviewScale(const PreviewFrame& frame);

// A point already shifted into the frame's page coordinates, on screen.
ASPoint PreviewPoint(const PreviewFrame& frame, float x, float y);

// One path as a polyline in the current colour; an art point (ax, ay) is drawn where the page
// point (ax + shiftX, ay + shiftY) is shifted by the margin. A path without segments, or one that
// cannot get its memory, is not drawn and leaves nothing allocated.
void DrawPathOutline(AIArtHandle art, const PreviewFrame& frame, float shiftX, float shiftY,
                     ADMDrawerRef drawer);

// The light-grey area between the registration circles' inner edges.
void DrawInnerArea(const CropMarkRect& marks, float radius, const PreviewFrame& frame,
                   ADMDrawerRef drawer);

// A filled circle of radius r about the page point (x, y), in the current colour.
void DrawCircleMark(float x, float y, float r, const PreviewFrame& frame, ADMDrawerRef drawer);

#endif  // KERFWORKS_CROPMARKS_PREVIEW_H
