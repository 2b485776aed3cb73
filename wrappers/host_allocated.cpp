#include "wrappers/host_allocated.h"

#include "wrappers/host_suites.h"

namespace ai {

void* AllocateHostBlock(std::size_t size) noexcept {
  if (sSPBasic == nullptr) return nullptr;
  void* block = nullptr;
  if (sSPBasic->AllocateBlock(size, &block) != kNoErr) return nullptr;
  return block;
}

void FreeHostBlock(void* block) noexcept {
  if (block != nullptr && sSPBasic != nullptr) sSPBasic->FreeBlock(block);
}

}  // namespace ai
