# The cut command over the stand-in's document, with the receiver as the cutting application.
kw_test_area(commands kw_plugin_objects kw_standin kw_cutfile_reader)
target_compile_definitions(tests_commands PRIVATE KW_RECEIVER_PROGRAM="$<TARGET_FILE:kwreceiver>")
add_dependencies(tests_commands kwreceiver)
