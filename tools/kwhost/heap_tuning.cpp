#include "tools/kwhost/heap_tuning.h"

#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>

#include <climits>
#include <cstdint>
#include <cstdlib>

namespace kwhost {
namespace {

constexpr std::size_t kHugePage = std::size_t{2} << 20;
// Address space only: pages count once touched.
constexpr std::size_t kHeapReserve = std::size_t{1} << 30;
// Large blocks (the art's lists, the tree's nodes) stay on the heap, where freed memory is
// reused, rather than being mapped and unmapped on each growth.
constexpr int kMapThreshold = 256 << 20;
// Larger than the probe below, so that it extends the heap however much is free at its top.
constexpr std::size_t kProbe = std::size_t{1} << 20;

}  // namespace

void TuneHeapForLargeDrawings() {
  mallopt(M_MMAP_THRESHOLD, kMapThreshold);
  // Freed memory is kept for the next use: handing it back costs a fault per page when it is
  // needed again.
  mallopt(M_TRIM_THRESHOLD, INT_MAX);
  mallopt(M_TOP_PAD, static_cast<int>(kHeapReserve));
  // One growth of the heap by the reserve, which is then asked to come in huge pages: a fault
  // per 2 MiB instead of per 4 KiB.
  void* probe = std::malloc(kProbe);
  if (probe == nullptr) return;
  const auto begin = (reinterpret_cast<std::uintptr_t>(probe) + kHugePage - 1) & ~(kHugePage - 1);
  const auto end = reinterpret_cast<std::uintptr_t>(sbrk(0));
  // A heap the system would not grow comes from mappings, which are left as they are.
  if (begin < end && reinterpret_cast<std::uintptr_t>(probe) < end) {
    madvise(reinterpret_cast<void*>(begin), end - begin, MADV_HUGEPAGE);
  }
  std::free(probe);
  mallopt(M_TOP_PAD, static_cast<int>(kHugePage));
}

}  // namespace kwhost
