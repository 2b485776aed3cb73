# 32-bit Windows: the deliverable plug-in module.
set(KW_MINGW_TRIPLE i686-w64-mingw32)
set(CMAKE_SYSTEM_PROCESSOR x86)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
# SSE arithmetic, as the 64-bit twin under test has: the x87 unit's extra precision between float
# steps could move crop-mark coordinates by a float step in the deliverable alone.
set(CMAKE_C_FLAGS_INIT "-msse2 -mfpmath=sse")
set(CMAKE_CXX_FLAGS_INIT "-msse2 -mfpmath=sse")
