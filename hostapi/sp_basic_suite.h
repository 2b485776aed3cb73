/* The basic suite, handed to the plug-in in every message: suite acquisition and memory blocks.
 * It is the one suite the plug-in does not acquire, so it is callable from the first message on. */
#ifndef KERFWORKS_HOSTAPI_SP_BASIC_SUITE_H
#define KERFWORKS_HOSTAPI_SP_BASIC_SUITE_H

#include "hostapi/host_types.h"

KW_EXTERN_C_BEGIN

typedef struct SPBasicSuite {
  /* Acquires suite `name` at `version` into *suite, held until one ReleaseSuite per acquire;
   * on failure the host's code (kSuiteNotFoundErr for an unknown name or version), *suite null. */
  ASErr(KW_API* AcquireSuite)(const char* name, int32_t version, const void** suite);
  /* Gives back one acquisition; kBadParameterErr when the suite was not held. The table is not to
   * be used after the last release. */
  ASErr(KW_API* ReleaseSuite)(const char* name, int32_t version);
  /* True when both strings are non-null and equal; false otherwise. */
  ASBoolean(KW_API* IsEqual)(const char* token1, const char* token2);
  /* Allocates `size` bytes owned by the caller until FreeBlock; kOutOfMemoryErr and a null
   * *block when none can be had. */
  ASErr(KW_API* AllocateBlock)(size_t size, void** block);
  /* Frees a block from AllocateBlock or ReallocateBlock; null is ignored, a foreign block fails. */
  ASErr(KW_API* FreeBlock)(void* block);
  /* Resizes a block into *newBlock, owned by the caller; on failure kOutOfMemoryErr, a null
   * *newBlock, and the old block stays valid and the caller's. */
  ASErr(KW_API* ReallocateBlock)(void* block, size_t newSize, void** newBlock);
  /* Answers every request the host does not know; always kUnhandledMsgErr. */
  ASErr(KW_API* Undefined)(void);
} SPBasicSuite;

KW_EXTERN_C_END

#ifdef KW_STATIC_ASSERT
KW_SUITE_SLOTS(SPBasicSuite, 7);
KW_PIN_SLOT(SPBasicSuite, AcquireSuite, 1);
KW_PIN_SLOT(SPBasicSuite, ReleaseSuite, 2);
KW_PIN_SLOT(SPBasicSuite, AllocateBlock, 4);
KW_PIN_SLOT(SPBasicSuite, FreeBlock, 5);
#endif

#endif /* KERFWORKS_HOSTAPI_SP_BASIC_SUITE_H */
