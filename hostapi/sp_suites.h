/* SP Access, SP Plug-ins and SP Blocks: the plug-in's own file, its name and memory blocks. */
#ifndef KERFWORKS_HOSTAPI_SP_SUITES_H
#define KERFWORKS_HOSTAPI_SP_SUITES_H

#include "hostapi/host_types.h"

KW_EXTERN_C_BEGIN

#define kSPAccessSuite "SP Access Suite"
#define kSPAccessSuiteVersion 3

typedef struct SPAccessSuite {
  /* Holds the plug-in's file access open; *access is owned until ReleasePluginAccess. */
  ASErr(KW_API* AcquirePluginAccess)(SPPluginRef plugin, SPAccessRef* access);
  /* Gives back one AcquirePluginAccess. */
  ASErr(KW_API* ReleasePluginAccess)(SPAccessRef access);
  /* The module instance handle of the accessed plug-in file (what the OS knows it by). */
  ASErr(KW_API* GetAccessInstanceHandle)(SPAccessRef access, void** instance);
  /* The plug-in's current access, borrowed: not counted, not to be released. */
  ASErr(KW_API* GetPluginAccess)(SPPluginRef plugin, SPAccessRef* access);
} SPAccessSuite;

#define kSPPluginsSuite "SP Plug-ins Suite"
#define kSPPluginsSuiteVersion 4

typedef struct SPPluginsSuite {
  KwReservedProc reserved1to23[23];
  /* Tells the host the plug-in's name; the host copies the string. */
  ASErr(KW_API* SetPluginName)(SPPluginRef plugin, const char* name);
  /* The name last set, owned by the host. */
  ASErr(KW_API* GetPluginName)(SPPluginRef plugin, const char** name);
} SPPluginsSuite;

#define kSPBlocksSuite "SP Blocks Suite"
#define kSPBlocksSuiteVersion 2

typedef struct SPBlocksSuite {
  /* Allocates `size` bytes owned by the caller until FreeBlock; '!MEM' and null on failure.
   * `debugName` labels the block in the host's accounting. */
  ASErr(KW_API* AllocateBlock)(size_t size, const char* debugName, void** block);
  /* Frees a block from AllocateBlock or ReallocateBlock; null is ignored. */
  ASErr(KW_API* FreeBlock)(void* block);
  /* Resizes a block; on failure the old block stays valid and owned by the caller. */
  ASErr(KW_API* ReallocateBlock)(void* block, size_t newSize, const char* debugName,
                                 void** newBlock);
} SPBlocksSuite;

KW_EXTERN_C_END

#ifdef __cplusplus
KW_PIN_SLOT(SPAccessSuite, AcquirePluginAccess, 1);
KW_PIN_SLOT(SPAccessSuite, ReleasePluginAccess, 2);
KW_PIN_SLOT(SPPluginsSuite, SetPluginName, 24);
#endif

#endif /* KERFWORKS_HOSTAPI_SP_SUITES_H */
