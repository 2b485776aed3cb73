// A memory block of the SP Blocks Suite, freed when the owner goes; allocation failure throws
// ai::Error with the host's code ('!MEM').
#ifndef KERFWORKS_WRAPPERS_HOST_BLOCK_H
#define KERFWORKS_WRAPPERS_HOST_BLOCK_H

#include <cstddef>

namespace ai {

class HostBlock {
 public:
  // Throws ai::Error when the host has no block of `size` bytes.
  HostBlock(std::size_t size, const char* debugName);
  HostBlock(const HostBlock&) = delete;
  HostBlock& operator=(const HostBlock&) = delete;
  ~HostBlock();

  template <typename T>
  T* As() const {
    return static_cast<T*>(block_);
  }

 private:
  void* block_ = nullptr;
};

}  // namespace ai

#endif  // KERFWORKS_WRAPPERS_HOST_BLOCK_H
