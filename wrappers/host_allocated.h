// Plug-in objects live in the host's memory blocks (basic suite), and a failed allocation yields
// null instead of an exception: `new` of a class deriving from HostAllocated never throws.
#ifndef KERFWORKS_WRAPPERS_HOST_ALLOCATED_H
#define KERFWORKS_WRAPPERS_HOST_ALLOCATED_H

#include <cstddef>
#include <new>

namespace ai {

// One host block of `size` bytes, or null (no basic suite, or the host has none to give).
void* AllocateHostBlock(std::size_t size) noexcept;
// Gives a block from AllocateHostBlock back; null is ignored.
void FreeHostBlock(void* block) noexcept;

class HostAllocated {
 public:
  static void* operator new(std::size_t size) noexcept { return AllocateHostBlock(size); }
  static void operator delete(void* block) noexcept { FreeHostBlock(block); }
  // Re-establishes an object in its own storage (the reload path); no allocation.
  static void* operator new(std::size_t, void* storage) noexcept { return storage; }
  static void operator delete(void*, void*) noexcept {}
};

}  // namespace ai

#endif  // KERFWORKS_WRAPPERS_HOST_ALLOCATED_H
