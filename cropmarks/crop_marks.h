// The crop-mark set of the current document. The plug-in keeps no record of its marks: a path is a
// crop mark exactly when it carries the crop-mark tag, whatever its shape or position. Nothing here
// reports to the caller; without a current document nothing happens.
#ifndef KERFWORKS_CROPMARKS_CROP_MARKS_H
#define KERFWORKS_CROPMARKS_CROP_MARKS_H

#include "hostapi/suites.h"

// True when any art of the current document carries the crop-mark tag.
bool DocumentHasCropMarks();

// Disposes of every tagged art object of the current document, locked or not.
void RemoveCropMarks();

// on: adds a complete set for the current crop settings, beside any marks already there.
// off: RemoveCropMarks.
void SetCropMarks(bool on);

// The palette's Crop-marks button: adds a set to a document without marks, else removes them all.
void ToggleCropMarks();

// After a confirmed crop-marks dialog: replaces the marks of the current document (adding a set
// even where there was none) and has the document redrawn.
void RebuildCropMarks();

#endif  // KERFWORKS_CROPMARKS_CROP_MARKS_H
