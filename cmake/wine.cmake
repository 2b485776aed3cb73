# Runs the Windows test programs under Wine, in a prefix of its own inside the build tree, so a
# test run touches neither the user's Wine setup nor anything outside the build.
find_program(KW_WINE NAMES wine64 wine PATHS /usr/lib/wine REQUIRED)
find_program(KW_WINESERVER NAMES wineserver64 wineserver PATHS /usr/lib/wine REQUIRED)
set(KW_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix)
# No download prompts for the .NET and HTML engines the tests do not use.
set(KW_WINE_ENVIRONMENT WINEPREFIX=${KW_WINEPREFIX} WINEDEBUG=-all "WINEDLLOVERRIDES=mscoree,mshtml=")
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_COMMAND} -E env ${KW_WINE_ENVIRONMENT} ${KW_WINE})

# Programs run under Wine must not need the MinGW runtime DLLs, which Wine cannot find.
add_link_options(-static -static-libgcc -static-libstdc++)

# Wine builds a prefix on first use; two tests doing that at once would race, so one setup test
# builds it and waits for the Wine server to settle before any other test starts.
function(kw_wine_prefix_fixture)
  add_test(NAME wine_prefix
    COMMAND ${CMAKE_COMMAND} -E env ${KW_WINE_ENVIRONMENT}
            sh -c "\"${KW_WINE}\" wineboot --init && \"${KW_WINESERVER}\" -w")
  set_tests_properties(wine_prefix PROPERTIES FIXTURES_SETUP wine_prefix TIMEOUT 300)
endfunction()
