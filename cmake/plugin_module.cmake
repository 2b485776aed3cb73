# The plug-in module: everything the drawing application loads. It may use only the standard
# library, hostapi/ and platform/.
file(GLOB_RECURSE KW_PLUGIN_SOURCES CONFIGURE_DEPENDS
  ${CMAKE_SOURCE_DIR}/plugin/*.cpp
  ${CMAKE_SOURCE_DIR}/palette/*.cpp
  ${CMAKE_SOURCE_DIR}/commands/*.cpp
  ${CMAKE_SOURCE_DIR}/output/*.cpp
  ${CMAKE_SOURCE_DIR}/cropmarks/*.cpp
  ${CMAKE_SOURCE_DIR}/wrappers/*.cpp)
list(APPEND KW_PLUGIN_SOURCES ${CMAKE_SOURCE_DIR}/platform/seam.cpp
  ${CMAKE_SOURCE_DIR}/platform/shared.cpp)
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
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
  # No unique symbols, so that unloading the module really unloads it (clang makes none).
  target_compile_options(KerfworksPlugin PRIVATE -fno-gnu-unique)
endif()
if(WIN32)
  # Only system DLLs at run time: the C++ runtime is linked in.
  target_link_options(KerfworksPlugin PRIVATE -static -static-libgcc -static-libstdc++
                      $<$<CONFIG:Release,MinSizeRel>:-s>)
  target_sources(KerfworksPlugin PRIVATE ${KW_RESOURCE_OBJECT})
else()
  target_link_libraries(KerfworksPlugin PRIVATE ${CMAKE_DL_LIBS})
  # Hidden visibility alone leaves out what the standard library declares visible: clang's
  # optimised build exported an instance of std::operator+.
  target_link_options(KerfworksPlugin PRIVATE
                      -Wl,--version-script=${CMAKE_SOURCE_DIR}/cmake/plugin_module.map)
  set_property(TARGET KerfworksPlugin APPEND PROPERTY LINK_DEPENDS
               ${CMAKE_SOURCE_DIR}/cmake/plugin_module.map)
  # A fuzzing build's module takes its sanitizer and coverage runtime from the fuzzer program.
  if(NOT KW_FUZZ)
    target_link_options(KerfworksPlugin PRIVATE -Wl,--no-undefined)
  endif()
endif()
add_dependencies(KerfworksPlugin kw_resources)

# The test hooks of platform/seam.h (failing calls, a fixed clock, shell and activity logs read
# from the environment) exist only in builds made for tests; the deliverable has none.
if(KW_BUILD_HOST_TOOLS)
  target_compile_definitions(KerfworksPlugin PRIVATE KW_TEST_HOOKS)
endif()

if(KW_BUILD_HOST_TOOLS)
  # The same sources as a static library, for unit tests that call plug-in functions directly
  # with the stand-in host's suites (the module itself is only ever reached through PluginMain).
  add_library(kw_plugin_objects STATIC ${KW_PLUGIN_SOURCES})
  target_include_directories(kw_plugin_objects PUBLIC ${CMAKE_SOURCE_DIR})
  target_link_libraries(kw_plugin_objects PUBLIC kw_hostapi ${CMAKE_DL_LIBS})
  target_compile_definitions(kw_plugin_objects PUBLIC KW_TEST_HOOKS)
  kw_warnings(kw_plugin_objects)
endif()
