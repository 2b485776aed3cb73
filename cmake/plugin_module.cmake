# The plug-in module: everything the drawing application loads. It may use only the standard
# library, hostapi/ and platform/.
file(GLOB_RECURSE KW_PLUGIN_SOURCES CONFIGURE_DEPENDS
  ${CMAKE_SOURCE_DIR}/plugin/*.cpp
  ${CMAKE_SOURCE_DIR}/palette/*.cpp
  ${CMAKE_SOURCE_DIR}/commands/*.cpp
  ${CMAKE_SOURCE_DIR}/output/*.cpp
  ${CMAKE_SOURCE_DIR}/cropmarks/*.cpp
  ${CMAKE_SOURCE_DIR}/wrappers/*.cpp)
list(APPEND KW_PLUGIN_SOURCES ${CMAKE_SOURCE_DIR}/platform/seam.cpp)
if(WIN32)
  list(APPEND KW_PLUGIN_SOURCES ${CMAKE_SOURCE_DIR}/platform/win32.cpp)
else()
  list(APPEND KW_PLUGIN_SOURCES ${CMAKE_SOURCE_DIR}/platform/posix.cpp)
endif()

add_library(KerfworksPlugin MODULE ${KW_PLUGIN_SOURCES})
set_target_properties(KerfworksPlugin PROPERTIES
  PREFIX "" SUFFIX ".aip"
  CXX_VISIBILITY_PRESET hidden VISIBILITY_INLINES_HIDDEN ON
  LIBRARY_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/plugin-module
  RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/plugin-module)
target_include_directories(KerfworksPlugin PRIVATE ${CMAKE_SOURCE_DIR})
target_link_libraries(KerfworksPlugin PRIVATE kw_hostapi)
kw_warnings(KerfworksPlugin)
if(WIN32)
  # Only system DLLs at run time: the C++ runtime is linked in.
  target_link_options(KerfworksPlugin PRIVATE -static -static-libgcc -static-libstdc++)
  target_sources(KerfworksPlugin PRIVATE ${KW_RESOURCE_OBJECT})
else()
  target_link_libraries(KerfworksPlugin PRIVATE ${CMAKE_DL_LIBS})
  target_link_options(KerfworksPlugin PRIVATE -Wl,--no-undefined)
  add_dependencies(KerfworksPlugin kw_resources)
endif()
