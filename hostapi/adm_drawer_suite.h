/* ADM Drawer Suite: drawing into an item or dialog from its draw callback. */
#ifndef KERFWORKS_HOSTAPI_ADM_DRAWER_SUITE_H
#define KERFWORKS_HOSTAPI_ADM_DRAWER_SUITE_H

#include "hostapi/host_types.h"

KW_EXTERN_C_BEGIN

#define kADMDrawerSuite "ADM Drawer Suite"
#define kADMDrawerSuiteVersion 6

/* Standard colours. */
enum { kADMBlackColor = 0, kADMWhiteColor = 1, kADMBackgroundColor = 5, kADMRedColor = 16 };

/* 16 bits a channel. */
typedef struct ADMRGBColor {
  uint16_t red;
  uint16_t green;
  uint16_t blue;
} ADMRGBColor;

/* A drawer lives only during the draw callback it was handed to; a dead drawer or a null record
 * makes any call do nothing. All coordinates are whole pixels of the item, y growing downwards;
 * the caller's records are read during the call only. */
typedef struct ADMDrawerSuite {
  /* Copies the area being drawn. */
  void(KW_API* GetBoundsRect)(ADMDrawerRef drawer, ASRect* bounds);
  /* Sets the current colour to a standard colour. */
  void(KW_API* SetADMColor)(ADMDrawerRef drawer, int32_t color);
  /* Sets the current colour to an RGB colour. */
  void(KW_API* SetRGBColor)(ADMDrawerRef drawer, const ADMRGBColor* color);
  /* Fills the rectangle in the current colour. */
  void(KW_API* FillRect)(ADMDrawerRef drawer, const ASRect* rect);
  /* Outlines the rectangle in the current colour. */
  void(KW_API* FrameRect)(ADMDrawerRef drawer, const ASRect* rect);
  /* Fills the ellipse inscribed in the rectangle in the current colour. */
  void(KW_API* FillOval)(ADMDrawerRef drawer, const ASRect* rect);
  /* Draws lines through the `count` (>= 0) points in order in the current colour; not closed. */
  void(KW_API* FramePolygon)(ADMDrawerRef drawer, const ASPoint* points, int32_t count);
  /* Draws the plug-in's picture resource `pictureId` centred in the rectangle; nothing when the
   * plug-in has no such resource. */
  void(KW_API* DrawResPictureCentered)(ADMDrawerRef drawer, SPPluginRef plugin, int32_t pictureId,
                                       const ASRect* rect);
} ADMDrawerSuite;

KW_EXTERN_C_END

#ifdef KW_STATIC_ASSERT
KW_SUITE_SLOTS(ADMDrawerSuite, 8);
KW_STATIC_ASSERT(sizeof(ADMRGBColor) == 6, "an RGB colour is three 16-bit channels");
#endif

#endif /* KERFWORKS_HOSTAPI_ADM_DRAWER_SUITE_H */
