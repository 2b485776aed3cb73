#include "standin/core/block_heap.h"

#include <cstdlib>
#include <cstring>

namespace standin {

BlockHeap::~BlockHeap() {
  for (auto& [block, info] : live_) std::free(block);
}

void* BlockHeap::Allocate(std::size_t size, const std::string& label) {
  if (refuse_) return nullptr;
  void* block = std::malloc(size == 0 ? 1 : size);
  if (block == nullptr) return nullptr;
  live_[block] = Block{size, label};
  return block;
}

bool BlockHeap::Free(void* block) {
  auto it = live_.find(block);
  if (it == live_.end()) return false;
  std::free(block);
  live_.erase(it);
  return true;
}

void* BlockHeap::Reallocate(void* block, std::size_t size, const std::string& label) {
  auto it = live_.find(block);
  if (it == live_.end()) return nullptr;
  void* fresh = Allocate(size, label);
  if (fresh == nullptr) return nullptr;
  std::memcpy(fresh, block, std::min(size, it->second.size));
  Free(block);
  return fresh;
}

std::vector<std::string> BlockHeap::Describe() const {
  std::vector<std::string> out;
  for (const auto& [block, info] : live_) {
    out.push_back(info.label + " (" + std::to_string(info.size) + " bytes)");
  }
  return out;
}

}  // namespace standin
