// Memory blocks the host hands the plug-in, with accounting: what is still allocated, and frees
// of blocks the host never gave out.
#ifndef KERFWORKS_STANDIN_CORE_BLOCK_HEAP_H
#define KERFWORKS_STANDIN_CORE_BLOCK_HEAP_H

#include <cstddef>
#include <map>
#include <string>
#include <vector>

namespace standin {

class BlockHeap {
 public:
  BlockHeap() = default;
  BlockHeap(const BlockHeap&) = delete;
  BlockHeap& operator=(const BlockHeap&) = delete;
  ~BlockHeap();

  // Null when the heap is told to refuse (see RefuseAllocations) or the system has no memory.
  void* Allocate(std::size_t size, const std::string& label);
  // False when `block` is not a live block of this heap.
  bool Free(void* block);
  // Null (and the old block kept) on failure.
  void* Reallocate(void* block, std::size_t size, const std::string& label);

  // Refuses every allocation while set.
  void RefuseAllocations(bool refuse) { refuse_ = refuse; }

  std::size_t LiveCount() const { return live_.size(); }
  // "label (size bytes)" of every live block.
  std::vector<std::string> Describe() const;

 private:
  struct Block {
    std::size_t size;
    std::string label;
  };
  std::map<void*, Block> live_;
  bool refuse_ = false;
};

}  // namespace standin

#endif  // KERFWORKS_STANDIN_CORE_BLOCK_HEAP_H
