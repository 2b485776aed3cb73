// A memory block of the SP Blocks Suite, freed when the owner goes; allocation failure throws
// ai::Error with the host's code ('!MEM').
#ifndef KERFWORKS_WRAPPERS_HOST_BLOCK_H
#define KERFWORKS_WRAPPERS_HOST_BLOCK_H

#include <cstddef>

namespace ai {

class HostBlock {
 public:
  HostBlock() = default;
  // Throws ai::Error when the host has no block of `size` bytes.
  HostBlock(std::size_t size, const char* debugName);
  HostBlock(const HostBlock&) = delete;
  HostBlock& operator=(const HostBlock&) = delete;
  HostBlock(HostBlock&& other) noexcept;
  HostBlock& operator=(HostBlock&& other) noexcept;
  ~HostBlock();

  void* Get() const { return block_; }
  template <typename T>
  T* As() const {
    return static_cast<T*>(block_);
  }

 private:
  void Free() noexcept;
  void* block_ = nullptr;
};

}  // namespace ai

#endif  // KERFWORKS_WRAPPERS_HOST_BLOCK_H
