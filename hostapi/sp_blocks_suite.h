/* SP Blocks Suite: memory blocks labelled for the host's accounting. */
#ifndef KERFWORKS_HOSTAPI_SP_BLOCKS_SUITE_H
#define KERFWORKS_HOSTAPI_SP_BLOCKS_SUITE_H

#include "hostapi/host_types.h"

KW_EXTERN_C_BEGIN

#define kSPBlocksSuite "SP Blocks Suite"
#define kSPBlocksSuiteVersion 2

/* A block not freed by the end of the session is a leak the host reports. */
typedef struct SPBlocksSuite {
  /* Allocates `size` bytes owned by the caller until FreeBlock, labelled `debugName` (may be
   * null); kOutOfMemoryErr and a null *block when none can be had. */
  ASErr(KW_API* AllocateBlock)(size_t size, const char* debugName, void** block);
  /* Frees a block from AllocateBlock or ReallocateBlock; null is ignored, a foreign block fails. */
  ASErr(KW_API* FreeBlock)(void* block);
  /* Resizes a block into *newBlock, owned by the caller; on failure kOutOfMemoryErr, a null
   * *newBlock, and the old block stays valid and the caller's. */
  ASErr(KW_API* ReallocateBlock)(void* block, size_t newSize, const char* debugName,
                                 void** newBlock);
} SPBlocksSuite;

KW_EXTERN_C_END

#ifdef KW_STATIC_ASSERT
KW_SUITE_SLOTS(SPBlocksSuite, 3);
#endif

#endif /* KERFWORKS_HOSTAPI_SP_BLOCKS_SUITE_H */
