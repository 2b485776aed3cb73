#include "wrappers/host_block.h"

#include "wrappers/ai_error.h"
#include "wrappers/host_suites.h"

namespace ai {

HostBlock::HostBlock(std::size_t size, const char* debugName) {
  if (sSPBlocks == nullptr) throw Error(kOutOfMemoryErr);
  void* block = nullptr;
  ASErr code = sSPBlocks->AllocateBlock(size, debugName, &block);
  if (code == kNoErr && block == nullptr) code = kOutOfMemoryErr;
  Check(code);
  block_ = block;
}

HostBlock::~HostBlock() {
  if (block_ != nullptr && sSPBlocks != nullptr) sSPBlocks->FreeBlock(block_);
}

}  // namespace ai
