/* Suites over the document: documents, layers, art objects, paths, path styles, flattening,
 * art lists, tags, host actions, and three suites the plug-in acquires but never calls. */
#ifndef KERFWORKS_HOSTAPI_AI_ART_SUITES_H
#define KERFWORKS_HOSTAPI_AI_ART_SUITES_H

#include "hostapi/host_types.h"

KW_EXTERN_C_BEGIN

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

#define kAIDocumentSuite "AI Document Suite"
#define kAIDocumentSuiteVersion 11

/* The page setup: the page size in points first. */
typedef struct AIDocumentSetup {
  AIReal width;
  AIReal height;
  AIBoolean showPlacedImages;
  int32_t pageView;
  AIReal outputResolution;
} AIDocumentSetup;

typedef struct AIDocumentSuite {
  /* The current document; kNoDocumentErr when none is open. */
  AIErr(KW_API* GetDocument)(AIDocumentHandle* document);
  /* The current document's ruler origin in page coordinates. */
  AIErr(KW_API* GetDocumentRulerOrigin)(AIRealPoint* origin);
  /* The current document's setup; kNoDocumentErr when none is open. */
  AIErr(KW_API* GetDocumentSetup)(AIDocumentSetup* setup);
  /* Asks the host to redraw the current document's windows. */
  AIErr(KW_API* RedrawDocument)(void);
} AIDocumentSuite;

#define kAILayerSuite "AI Layer Suite"
#define kAILayerSuiteVersion 11

typedef struct AILayerSuite {
  /* The layer new art goes to; owned by the document. */
  AIErr(KW_API* GetCurrentLayer)(AILayerHandle* layer);
  /* The number of layers of the current document. */
  AIErr(KW_API* CountLayers)(int32_t* count);
  /* The layer at `index`, topmost first. */
  AIErr(KW_API* GetNthLayer)(int32_t index, AILayerHandle* layer);
  /* The layer's title, cut to fit and terminated. */
  AIErr(KW_API* GetLayerTitle)(AILayerHandle layer, char* buffer, int32_t capacity);
} AILayerSuite;

#define kAIArtSuite "AI Art Suite"
#define kAIArtSuiteVersion 14

typedef struct AIArtSuite {
  /* Creates art of `type` placed by `paintOrder` relative to `prep`; the document owns it. */
  AIErr(KW_API* NewArt)(int16_t type, int16_t paintOrder, AIArtHandle prep, AIArtHandle* art);
  /* Removes the art (and its children) from the document; its handle is invalid afterwards. */
  AIErr(KW_API* DisposeArt)(AIArtHandle art);
  /* The art's type (see the art types above). */
  AIErr(KW_API* GetArtType)(AIArtHandle art, int16_t* type);
  /* The art's user attributes masked with `whichAttr`. */
  AIErr(KW_API* GetArtUserAttr)(AIArtHandle art, int32_t whichAttr, int32_t* attr);
  /* Sets the attributes selected by `whichAttr` to the matching bits of `attr`. */
  AIErr(KW_API* SetArtUserAttr)(AIArtHandle art, int32_t whichAttr, int32_t attr);
  /* The layer the art lies on. */
  AIErr(KW_API* GetArtLayer)(AIArtHandle art, AILayerHandle* layer);
  /* Whether the art is filled; false for an invalid handle. */
  AIBoolean(KW_API* ArtHasFill)(AIArtHandle art);
  /* Whether the art is stroked; false for an invalid handle. */
  AIBoolean(KW_API* ArtHasStroke)(AIArtHandle art);
  /* The art's parent group, compound path or layer group; null at the top of a layer. */
  AIErr(KW_API* GetArtParent)(AIArtHandle art, AIArtHandle* parent);
} AIArtSuite;

#define kAIPathSuite "AI Path Suite"
#define kAIPathSuiteVersion 8

/* One segment of a path: the anchor, the handle towards the previous segment ("in") and towards
 * the next ("out"), then the smooth-or-corner flag. 28 bytes. */
typedef struct AIPathSegment {
  AIRealPoint p;
  AIRealPoint in;
  AIRealPoint out;
  AIBoolean corner;
} AIPathSegment;

typedef struct AIPathSuite {
  /* The number of segments of a path. */
  AIErr(KW_API* GetPathSegmentCount)(AIArtHandle path, int16_t* count);
  /* Grows or shrinks the path to `count` segments. */
  AIErr(KW_API* SetPathSegmentCount)(AIArtHandle path, int16_t count);
  /* Copies segments start .. start+count-1 into the caller's array. */
  AIErr(KW_API* GetPathSegments)(AIArtHandle path, int16_t start, int16_t count,
                                 AIPathSegment* segments);
  /* Replaces segments from `start` on, growing the path when they run past its end. */
  AIErr(KW_API* SetPathSegments)(AIArtHandle path, int16_t start, int16_t count,
                                 const AIPathSegment* segments);
  /* Whether the path is closed. */
  AIErr(KW_API* GetPathClosed)(AIArtHandle path, AIBoolean* closed);
  /* Opens or closes the path. */
  AIErr(KW_API* SetPathClosed)(AIArtHandle path, AIBoolean closed);
} AIPathSuite;

#define kAIPathStyleSuite "AI Path Style Suite"
#define kAIPathStyleSuiteVersion 10

enum { kGrayColor = 0, kFourColor = 1, kThreeColor = 3, kNoneColor = 5 };

typedef struct AIFourColorStyle {
  AIReal cyan, magenta, yellow, black; /* 0 .. 1 */
} AIFourColorStyle;

typedef struct AIThreeColorStyle {
  AIReal red, green, blue; /* 0 .. 1 */
} AIThreeColorStyle;

typedef struct AIColor {
  int32_t kind;
  union {
    AIReal gray;
    AIFourColorStyle f;
    AIThreeColorStyle rgb;
  } c;
} AIColor;

typedef struct AIFillStyle {
  AIColor color;
  AIBoolean overprint;
} AIFillStyle;

typedef struct AIDashStyle {
  int16_t length; /* 0: solid */
  AIReal offset;
  AIReal array[6];
} AIDashStyle;

typedef struct AIStrokeStyle {
  AIColor color;
  AIBoolean overprint;
  AIReal width;
  AIDashStyle dash;
  int32_t cap;
  int32_t join;
  AIReal miterLimit;
} AIStrokeStyle;

/* The paint of a path. The first two fields are the fill and stroke paint flags. */
typedef struct AIPathStyle {
  AIBoolean fillPaint;
  AIBoolean strokePaint;
  AIFillStyle fill;
  AIStrokeStyle stroke;
  AIBoolean clip;
  AIBoolean lockClip;
  AIBoolean evenodd;
  AIReal resolution;
} AIPathStyle;

typedef struct AIPathStyleSuite {
  /* Copies the path's style into *style. */
  AIErr(KW_API* GetPathStyle)(AIArtHandle path, AIPathStyle* style);
  /* Replaces the path's style; the host copies the record. */
  AIErr(KW_API* SetPathStyle)(AIArtHandle path, const AIPathStyle* style);
} AIPathStyleSuite;

#define kAIPathConstructionSuite "AI PathConstruction Suite"
#define kAIPathConstructionSuiteVersion 2

/* One point of a flattened outline. */
typedef struct AIPathConstructionPoint {
  AIRealPoint point;
  AIBoolean corner;
} AIPathConstructionPoint;

/* The caller's allocator, through which the host allocates the point list it returns. */
typedef struct AIPathConstructionMemoryObject {
  void*(KW_API* allocate)(size_t size);
  void(KW_API* dispose)(void* block);
} AIPathConstructionMemoryObject;

typedef struct AIPathConstructionSuite {
  /* Flattens the Bezier outline of `segments` into points no farther than `flatness` points from
   * the curve; `resolution` bounds the points per segment. *points is allocated with `memory`
   * and owned by the caller, who frees it with memory->dispose. */
  AIErr(KW_API* SegmentsToPoints)(int32_t segmentCount, const AIPathSegment* segments,
                                  AIReal resolution, AIReal flatness,
                                  const AIPathConstructionMemoryObject* memory, int32_t* pointCount,
                                  AIPathConstructionPoint** points);
} AIPathConstructionSuite;

#define kAIMatchingArtSuite "AI Matching Art Suite"
#define kAIMatchingArtSuiteVersion 5

/* Matches art of `type` (kAnyArt: every type) whose attributes masked by `whichAttr` equal `attr`.
 */
typedef struct AIMatchingArtSpec {
  int16_t type;
  int32_t whichAttr;
  int32_t attr;
} AIMatchingArtSpec;

/* Lists are returned as a host-allocated array of handles that the caller must give back with
 * ReleaseArtList; an empty list is null with a count of 0. Order: every art object at any depth,
 * in paint order, a parent before its children. */
typedef struct AIMatchingArtSuite {
  /* The selected art of the current document. */
  AIErr(KW_API* GetSelectedArt)(AIArtHandle** matches, int32_t* count);
  /* The art of the current document matching any of the specifications. */
  AIErr(KW_API* GetMatchingArt)(const AIMatchingArtSpec* specs, int16_t specCount,
                                AIArtHandle** matches, int32_t* count);
  /* Gives a list back to the host; null is ignored. */
  AIErr(KW_API* ReleaseArtList)(AIArtHandle* matches);
} AIMatchingArtSuite;

#define kAITagSuite "AI Tag Suite"
#define kAITagSuiteVersion 2

#define kAITagKindString "string"

typedef struct AITagSuite {
  /* Sets tag `name` of `kind` on the art; for "string" `value` is a terminated string, copied. */
  AIErr(KW_API* SetTag)(AIArtHandle art, const char* name, const char* kind, const void* value);
  /* Looks up tag `name` of `kind`; kTagNotFoundErr when absent. For "string" *value (may be a
   * null pointer when not wanted) receives the host's copy, valid until the tag changes. */
  AIErr(KW_API* GetTag)(AIArtHandle art, const char* name, const char* kind, const char** value);
  /* Removes tag `name`; kTagNotFoundErr when absent. */
  AIErr(KW_API* RemoveTag)(AIArtHandle art, const char* name);
} AITagSuite;

#define kAIActionManagerSuite "AI Action Manager Suite"
#define kAIActionManagerSuiteVersion 3

/* Dialog status of a play. */
enum { kActionDialogOff = 0, kActionDialogOn = 1 };

/* Keys and units are four-character codes packed first-byte-high (KW_FOUR_CHAR). */
typedef uint32_t ActionParamKeyID;
typedef uint32_t ActionParamUnitID;

typedef struct AIActionManagerSuite {
  /* Creates an empty parameter block owned by the caller until AIDeleteActionParamValue. */
  AIErr(KW_API* AINewActionParamValue)(AIActionParamValueRef* value);
  /* Frees a parameter block. */
  AIErr(KW_API* AIDeleteActionParamValue)(AIActionParamValueRef value);
  /* Sets a real value. */
  AIErr(KW_API* AIActionSetReal)(AIActionParamValueRef value, ActionParamKeyID key, AIReal real);
  /* Sets a real value with a unit. */
  AIErr(KW_API* AIActionSetUnitReal)(AIActionParamValueRef value, ActionParamKeyID key,
                                     ActionParamUnitID unit, AIReal real);
  /* Sets an enumerated value: its name and number; the host copies the name. */
  AIErr(KW_API* AIActionSetEnumerated)(AIActionParamValueRef value, ActionParamKeyID key,
                                       const char* name, int32_t number);
  /* Plays the host action `eventName`, with its dialog when `dialogStatus` is kActionDialogOn;
   * `parameters` may be null and stays the caller's. */
  AIErr(KW_API* PlayActionEvent)(const char* eventName, int32_t dialogStatus,
                                 AIActionParamValueRef parameters);
} AIActionManagerSuite;

/* Acquired with the others, never called: their tables stay opaque here. */
#define kAIExpandSuite "AI Expand Suite"
#define kAIExpandSuiteVersion 2
#define kAIRasterSuite "AI Raster Suite"
#define kAIRasterSuiteVersion 8
#define kAIPathfinderSuite "AI Pathfinder Suite"
#define kAIPathfinderSuiteVersion 4

typedef struct AIUncalledSuite {
  KwReservedProc reserved[4];
} AIUncalledSuite;

KW_EXTERN_C_END

#ifdef __cplusplus
static_assert(sizeof(AIPathSegment) == 28, "segment records are 28 bytes");
static_assert(offsetof(AIPathStyle, strokePaint) == 4, "fill and stroke flags come first");
#endif

#endif /* KERFWORKS_HOSTAPI_AI_ART_SUITES_H */
