# Our own code builds with warnings as errors; third-party headers are included as SYSTEM.
function(kw_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Werror)
endfunction()
