/* The basic suite, handed to the plug-in in every message: suite acquisition and memory blocks. */
#ifndef KERFWORKS_HOSTAPI_SP_BASIC_H
#define KERFWORKS_HOSTAPI_SP_BASIC_H

#include "hostapi/host_types.h"

KW_EXTERN_C_BEGIN

typedef struct SPBasicSuite {
  /* Acquires suite `name` at `version` into *suite; the plug-in must release it once per acquire.
   * On failure returns the host's code and leaves *suite null. */
  ASErr(KW_API* AcquireSuite)(const char* name, int32_t version, const void** suite);
  /* Releases one acquisition of the suite; an error when it was not acquired. */
  ASErr(KW_API* ReleaseSuite)(const char* name, int32_t version);
  /* True when the two strings are equal. */
  ASBoolean(KW_API* IsEqual)(const char* token1, const char* token2);
  /* Allocates a block of `size` bytes owned by the plug-in until FreeBlock; '!MEM' and a null
   * *block when none can be had. */
  ASErr(KW_API* AllocateBlock)(size_t size, void** block);
  /* Frees a block from AllocateBlock; null is ignored. */
  ASErr(KW_API* FreeBlock)(void* block);
  /* Resizes a block; on failure the old block stays valid. */
  ASErr(KW_API* ReallocateBlock)(void* block, size_t newSize, void** newBlock);
  /* Answers every unknown request; always an error. */
  ASErr(KW_API* Undefined)(void);
} SPBasicSuite;

KW_EXTERN_C_END

#ifdef __cplusplus
KW_PIN_SLOT(SPBasicSuite, AcquireSuite, 1);
KW_PIN_SLOT(SPBasicSuite, ReleaseSuite, 2);
KW_PIN_SLOT(SPBasicSuite, AllocateBlock, 4);
KW_PIN_SLOT(SPBasicSuite, FreeBlock, 5);
#endif

#endif /* KERFWORKS_HOSTAPI_SP_BASIC_H */
