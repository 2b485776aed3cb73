# The Windows programs: the real platform calls and the real DLL, run under Wine.
kw_test_area(windows kw_standin)
target_compile_definitions(tests_windows PRIVATE KW_RECEIVER_PROGRAM="$<TARGET_FILE:kwreceiver>")
add_dependencies(tests_windows kwreceiver)
