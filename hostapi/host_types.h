/* Basic types of the host interface: the calling convention, error codes, four-character codes,
 * geometry records and the opaque handles the host hands out. Usable from C and C++.
 *
 * Rules every suite header relies on, so that its comments name only what differs:
 * - When: a suite function may be called only while the host is calling the plug-in (inside
 *   PluginMain or a callback the host makes), on that thread; never from a thread of the plug-in's
 *   own or after the suite was released.
 * - Failure: a function answering ASErr/AIErr answers 0 on success and a host code otherwise, and
 *   its out-parameters mean nothing then (most are cleared to null or 0). A function without an
 *   error code answers null, 0 or false for a handle it does not know, and a setter does nothing.
 * - Ownership: every handle and every string a function hands out belongs to the host and stays
 *   valid while the object it names lives; where the caller owns something, the comment says so
 *   and names the function that gives it back. The host copies every string and record it is
 *   given unless the comment says otherwise. */
#ifndef KERFWORKS_HOSTAPI_HOST_TYPES_H
#define KERFWORKS_HOSTAPI_HOST_TYPES_H

#include <stddef.h>
#include <stdint.h>

/* One calling convention on every function pointer and callback crossing the host boundary. */
#if defined(_WIN32) && !defined(_WIN64)
#define KW_API __cdecl
#else
#define KW_API
#endif

#ifdef __cplusplus
#define KW_EXTERN_C_BEGIN extern "C" {
#define KW_EXTERN_C_END }
#else
#define KW_EXTERN_C_BEGIN
#define KW_EXTERN_C_END
#endif

KW_EXTERN_C_BEGIN

/* A host error code: 0 is success, most others are four characters packed first-byte-high. */
typedef int32_t ASErr;
typedef ASErr AIErr;
/* Booleans cross the boundary as 32-bit integers: 0 false, anything else true. */
typedef int32_t ASBoolean;
typedef int32_t AIBoolean;
typedef float AIReal;

/* Packs four characters, the first in the most significant byte ('!MSG' is 0x214D5347). */
#define KW_FOUR_CHAR(a, b, c, d)                                               \
  ((int32_t)(((uint32_t)(uint8_t)(a) << 24) | ((uint32_t)(uint8_t)(b) << 16) | \
             ((uint32_t)(uint8_t)(c) << 8) | (uint32_t)(uint8_t)(d)))

enum {
  kNoErr = 0,
  kUnhandledMsgErr = KW_FOUR_CHAR('!', 'M', 'S', 'G'),   /* message not handled */
  kOutOfMemoryErr = KW_FOUR_CHAR('!', 'M', 'E', 'M'),    /* no memory for an object */
  kCantHappenErr = KW_FOUR_CHAR('C', 'A', 'N', 'T'),     /* an unexpected exception */
  kPluginFreedMemory = KW_FOUR_CHAR('p', 'F', 'l', 's'), /* purge answer: something was freed */
  kBadParameterErr = KW_FOUR_CHAR('P', 'A', 'R', 'M'),   /* a dialog carries no object */
  kSuiteNotFoundErr = KW_FOUR_CHAR('S', '!', 'F', 'd'),  /* the host has no such suite */
  kTagNotFoundErr = KW_FOUR_CHAR('T', 'g', '?', '?'),    /* the art carries no such tag */
  kNoDocumentErr = KW_FOUR_CHAR('D', 'O', 'C', '?'),     /* no document is open */
  kMacMemoryErr = -108,                                  /* legacy out-of-memory code */
  kSegmentErr = KW_FOUR_CHAR('S', 'E', 'G', 'M')         /* a layer is locked or invisible */
};

/* Points and rectangles in document points (y grows upwards). */
typedef struct AIRealPoint {
  AIReal h;
  AIReal v;
} AIRealPoint;

/* Points and rectangles in dialog or screen pixels (y grows downwards). */
typedef struct ASPoint {
  int32_t h;
  int32_t v;
} ASPoint;

typedef struct ASRect {
  int32_t left;
  int32_t top;
  int32_t right;
  int32_t bottom;
} ASRect;

/* Opaque host handles. */
typedef struct KwSPPlugin* SPPluginRef;
typedef struct KwSPAccess* SPAccessRef;
typedef struct KwAINotifier* AINotifierHandle;
typedef struct KwAIAppContext* AIAppContextHandle;
typedef struct KwAIMenuItem* AIMenuItemHandle;
typedef struct KwAIUnicodeString* AIUnicodeStringHandle;
typedef struct KwAIArt* AIArtHandle;
typedef struct KwAILayer* AILayerHandle;
typedef struct KwAIDocument* AIDocumentHandle;
typedef struct KwAIActionParamValue* AIActionParamValueRef;
typedef struct KwADMDialog* ADMDialogRef;
typedef struct KwADMItem* ADMItemRef;
typedef struct KwADMList* ADMListRef;
typedef struct KwADMEntry* ADMEntryRef;
typedef struct KwADMNotifier* ADMNotifierRef;
typedef struct KwADMTracker* ADMTrackerRef;
typedef struct KwADMDrawer* ADMDrawerRef;
typedef struct KwADMIcon* ADMIconRef;
typedef void* ADMUserData;

/* A table slot whose function the plug-in never calls; kept so that fixed positions line up. */
typedef ASErr(KW_API* KwReservedProc)(void);

KW_EXTERN_C_END

/* Compile-time checks in C++ and C11; C99 goes without them. */
#if defined(__cplusplus)
#define KW_STATIC_ASSERT(condition, message) static_assert(condition, message)
#elif defined(__STDC_VERSION__) && __STDC_VERSION__ >= 201112L
#define KW_STATIC_ASSERT(condition, message) _Static_assert(condition, message)
#endif

#ifdef KW_STATIC_ASSERT
/* Positions of functions within a suite are fixed where the host documents them; this checks the
 * n-th (1-based) function of a suite struct. */
#define KW_PIN_SLOT(Suite, field, n)                                  \
  KW_STATIC_ASSERT(offsetof(Suite, field) == ((n)-1) * sizeof(void*), \
                   #Suite "::" #field " must be function " #n)
/* The host reads a suite table by position: its length is part of the interface too. */
#define KW_SUITE_SLOTS(Suite, n) \
  KW_STATIC_ASSERT(sizeof(Suite) == (n) * sizeof(void*), #Suite " must hold " #n " functions")
#endif

#endif /* KERFWORKS_HOSTAPI_HOST_TYPES_H */
