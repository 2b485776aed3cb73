# Every interface header compiles on its own as C99, C11 and C++20 with the project's warnings:
# a header that is not C, or that leans on an include it does not make itself, fails the build.
file(GLOB kw_hostapi_headers CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/hostapi/*.h)

# One source file per header, including only that header; a third argument is the C standard.
function(kw_hostapi_header_check target extension)
  set(sources)
  foreach(header ${kw_hostapi_headers})
    get_filename_component(name ${header} NAME)
    get_filename_component(stem ${header} NAME_WE)
    set(source ${CMAKE_CURRENT_BINARY_DIR}/${target}/${stem}.${extension})
    file(CONFIGURE OUTPUT ${source} CONTENT "#include \"hostapi/${name}\"\n")
    list(APPEND sources ${source})
  endforeach()
  add_library(${target} OBJECT ${sources})
  target_link_libraries(${target} PRIVATE kw_hostapi)
  kw_warnings(${target})
  if(ARGN)
    set_target_properties(${target} PROPERTIES C_STANDARD ${ARGN} C_STANDARD_REQUIRED ON
                                               C_EXTENSIONS OFF)
  endif()
endfunction()

kw_hostapi_header_check(kw_hostapi_as_c99 c 99)
kw_hostapi_header_check(kw_hostapi_as_c11 c 11)
kw_hostapi_header_check(kw_hostapi_as_cxx cpp)
