/* AI Art Suite: art objects of the document, their types, attributes and place in the tree. */
#ifndef KERFWORKS_HOSTAPI_AI_ART_SUITE_H
#define KERFWORKS_HOSTAPI_AI_ART_SUITE_H

#include "hostapi/host_types.h"

KW_EXTERN_C_BEGIN

#define kAIArtSuite "AI Art Suite"
#define kAIArtSuiteVersion 14

/* Art types. */
enum {
  kAnyArt = -1, /* only in requests */
  kUnknownArt = 0,
  kGroupArt = 1,
  kPathArt = 2,
  kCompoundPathArt = 3,
  kTextArt = 4,
  kTextPathArt = 5,
  kTextRunArt = 6,
  kPlacedArt = 7,
  kMysteryPathArt = 8, /* art the host cannot name to plug-ins */
  kRasterArt = 9
};

/* Where NewArt puts the new object relative to `prep` (or the current layer when prep is null). */
enum {
  kPlaceAbove = 1,
  kPlaceBelow = 2,
  kPlaceInsideOnTop = 3,
  kPlaceInsideOnBottom = 4,
  kPlaceAboveAll = 5,
  kPlaceBelowAll = 6
};

/* User attribute bits of an art object. */
enum { kArtSelected = 1, kArtLocked = 2, kArtHidden = 4 };

/* Art handles belong to the document: valid until DisposeArt of the art or of an ancestor, or
 * until the document closes. A dead or null handle answers kBadParameterErr. */
typedef struct AIArtSuite {
  /* Creates a group, path or compound path placed by `paintOrder` next to or inside `prep` (not
   * needed for kPlaceAboveAll/kPlaceBelowAll); kNoDocumentErr without a document,
   * kBadParameterErr for other types or an impossible place. */
  AIErr(KW_API* NewArt)(int16_t type, int16_t paintOrder, AIArtHandle prep, AIArtHandle* art);
  /* Removes the art and its contents from the document; their handles are dead afterwards. */
  AIErr(KW_API* DisposeArt)(AIArtHandle art);
  /* The art's type (see the art types above); kUnknownArt on failure. */
  AIErr(KW_API* GetArtType)(AIArtHandle art, int16_t* type);
  /* The art's user attributes masked with `whichAttr`; 0 on failure. */
  AIErr(KW_API* GetArtUserAttr)(AIArtHandle art, int32_t whichAttr, int32_t* attr);
  /* Sets the attributes selected by `whichAttr` to the matching bits of `attr`. */
  AIErr(KW_API* SetArtUserAttr)(AIArtHandle art, int32_t whichAttr, int32_t attr);
  /* The layer the art lies on. */
  AIErr(KW_API* GetArtLayer)(AIArtHandle art, AILayerHandle* layer);
  /* Whether the art is filled; false for a dead handle. */
  AIBoolean(KW_API* ArtHasFill)(AIArtHandle art);
  /* Whether the art is stroked; false for a dead handle. */
  AIBoolean(KW_API* ArtHasStroke)(AIArtHandle art);
  /* The group or compound path holding the art; null at the top of a layer. */
  AIErr(KW_API* GetArtParent)(AIArtHandle art, AIArtHandle* parent);
} AIArtSuite;

KW_EXTERN_C_END

#ifdef KW_STATIC_ASSERT
KW_SUITE_SLOTS(AIArtSuite, 9);
#endif

#endif /* KERFWORKS_HOSTAPI_AI_ART_SUITE_H */
