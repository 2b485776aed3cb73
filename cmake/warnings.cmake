# Warnings are on for all our own code; they stop the build only when KW_WARNINGS_AS_ERRORS is on
# (the presets and CI turn it on), so a newer or different compiler cannot break a plain build.
# Third-party headers are included as SYSTEM.
option(KW_WARNINGS_AS_ERRORS "Treat compiler warnings as errors" OFF)

function(kw_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow)
  if(KW_WARNINGS_AS_ERRORS)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()
