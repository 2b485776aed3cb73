// The C library's heap set up for large drawings: a drawing of tens of megabytes is read into
// millions of anchors, which the heap would otherwise hand back to the system and fetch again page
// by page, each page a fault that costs more than the reading.
#ifndef KERFWORKS_TOOLS_KWHOST_HEAP_TUNING_H
#define KERFWORKS_TOOLS_KWHOST_HEAP_TUNING_H

namespace kwhost {

// Call once, first thing in main. Only advice to the C library and the kernel: where either
// cannot follow it, memory is had as before.
void TuneHeapForLargeDrawings();

}  // namespace kwhost

#endif  // KERFWORKS_TOOLS_KWHOST_HEAP_TUNING_H
