// The modal crop-marks dialog: the cutting-machine model and the four crop-mark lengths, in
// millimetres. No object stands behind it; its handlers are plain host callbacks and its working
// copy is process-wide.
#ifndef KERFWORKS_PALETTE_CROP_MARKS_DIALOG_H
#define KERFWORKS_PALETTE_CROP_MARKS_DIALOG_H

#include "hostapi/suites.h"
#include "output/settings.h"

enum CropMarksItem : int32_t {
  kCropOkButton = 1,
  kCropCancelButton = 2,
  kCropHorzDistanceField = 32,  // W
  kCropVertDistanceField = 33,  // L
  kCropLeftMarginField = 34,    // X
  kCropBottomMarginField = 35,  // Y
  kCropPictureItem = 36,
  kCropMachineTypePopup = 37,
};

// What the dialog's picture shows; set when the dialog opens and when the user picks a model.
extern CropMarkSettings gCropMarksWorkingCopy;

// Runs the dialog until OK or Cancel; returns the id of the closing item. OK stores the values in
// the current crop settings and rebuilds the document's crop marks; Cancel changes nothing.
int32_t RunCropMarksDialog(SPPluginRef pluginRef);

// The bitmap resource showing the marks of `machineType` (MB-1's for an unknown type).
int32_t CropMarksPictureFor(int32_t machineType);

// Host callbacks.
ASErr KW_API CropMarksDialogInit(ADMDialogRef dialog);
void KW_API MachineTypeNotifyProc(ADMItemRef item, ADMNotifierRef notifier);
void KW_API CropMarksOkNotifyProc(ADMItemRef item, ADMNotifierRef notifier);
void KW_API CropMarksPictureDrawProc(ADMItemRef item, ADMDrawerRef drawer);

#endif  // KERFWORKS_PALETTE_CROP_MARKS_DIALOG_H
