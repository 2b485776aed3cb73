# Whole sessions through the real module, with the receiver as the cutting application.
kw_test_area(scenarios kw_standin kw_cutfile_reader)
target_compile_definitions(tests_scenarios PRIVATE KW_RECEIVER_PROGRAM="$<TARGET_FILE:kwreceiver>")
add_dependencies(tests_scenarios kwreceiver)
