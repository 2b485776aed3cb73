/* ADM Icon and Drawer suites: pictures of the plug-in's resources, and drawing into items. */
#ifndef KERFWORKS_HOSTAPI_ADM_DRAWING_H
#define KERFWORKS_HOSTAPI_ADM_DRAWING_H

#include "hostapi/host_types.h"

KW_EXTERN_C_BEGIN

#define kADMIconSuite "ADM Icon Suite"
#define kADMIconSuiteVersion 2

typedef struct ADMIconSuite {
  /* Makes an icon from the plug-in's picture resource `iconId` (`name` may be null, `index`
   * picks an image of a multi-image resource). The caller owns it until Destroy, unless it hands
   * it to a dialog with SetIcon. Null when there is no such resource. */
  ADMIconRef(KW_API* GetFromResource)(SPPluginRef plugin, const char* name, int32_t iconId,
                                      int32_t index);
  /* Frees an icon the caller owns. */
  void(KW_API* Destroy)(ADMIconRef icon);
  int32_t(KW_API* GetWidth)(ADMIconRef icon);
  int32_t(KW_API* GetHeight)(ADMIconRef icon);
} ADMIconSuite;

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

/* All coordinates are whole pixels of the item, y growing downwards. */
typedef struct ADMDrawerSuite {
  /* The area being drawn. */
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
  /* Draws lines through the points in order in the current colour; not closed by itself. */
  void(KW_API* FramePolygon)(ADMDrawerRef drawer, const ASPoint* points, int32_t count);
  /* Draws the plug-in's bitmap resource `pictureId` centred in the rectangle. */
  void(KW_API* DrawResPictureCentered)(ADMDrawerRef drawer, SPPluginRef plugin, int32_t pictureId,
                                       const ASRect* rect);
} ADMDrawerSuite;

KW_EXTERN_C_END

#endif /* KERFWORKS_HOSTAPI_ADM_DRAWING_H */
