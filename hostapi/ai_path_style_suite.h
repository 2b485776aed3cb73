/* AI Path Style Suite: the fill and stroke paint of a path. */
#ifndef KERFWORKS_HOSTAPI_AI_PATH_STYLE_SUITE_H
#define KERFWORKS_HOSTAPI_AI_PATH_STYLE_SUITE_H

#include "hostapi/host_types.h"

KW_EXTERN_C_BEGIN

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

/* Both functions take live art of type kPathArt or kCompoundPathArt (whose paths are painted with
 * its style); other art or a dead handle answers kBadParameterErr. */
typedef struct AIPathStyleSuite {
  /* Copies the art's style into the caller's record. */
  AIErr(KW_API* GetPathStyle)(AIArtHandle path, AIPathStyle* style);
  /* Replaces the art's style with a copy of the caller's record. */
  AIErr(KW_API* SetPathStyle)(AIArtHandle path, const AIPathStyle* style);
} AIPathStyleSuite;

KW_EXTERN_C_END

#ifdef KW_STATIC_ASSERT
KW_SUITE_SLOTS(AIPathStyleSuite, 2);
KW_STATIC_ASSERT(offsetof(AIPathStyle, strokePaint) == 4, "fill and stroke flags come first");
KW_STATIC_ASSERT(sizeof(AIPathStyle) == 120, "the path style record is 120 bytes");
#endif

#endif /* KERFWORKS_HOSTAPI_AI_PATH_STYLE_SUITE_H */
