# The receiver's tests need only the reader, and the kwreceiver program to run.
kw_test_area(receiver kw_cutfile_reader)
target_compile_definitions(tests_receiver PRIVATE KW_RECEIVER_PROGRAM="$<TARGET_FILE:kwreceiver>")
add_dependencies(tests_receiver kwreceiver)
