# Whole sessions through the real module with every host call, and every system call, failed in
# turn. One process for the whole sweep, so that it can print its total.
file(GLOB sweep_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/sweep/*.cpp)
add_executable(tests_sweep ${sweep_sources})
target_include_directories(tests_sweep PRIVATE ${CMAKE_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(tests_sweep PRIVATE GTest::gtest GTest::gtest_main kw_standin kw_cutfile_reader)
kw_warnings(tests_sweep)
add_test(NAME tests_sweep COMMAND tests_sweep)
set_tests_properties(tests_sweep PROPERTIES TIMEOUT 300)
