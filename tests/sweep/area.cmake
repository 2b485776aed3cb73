# Whole sessions through the real module with every host call, and every system call, failed in
# turn: one CTest test per session. The program run by itself sweeps them all and prints the total.
file(GLOB sweep_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/sweep/*.cpp)
add_executable(tests_sweep ${sweep_sources})
target_include_directories(tests_sweep PRIVATE ${CMAKE_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(tests_sweep PRIVATE GTest::gtest GTest::gtest_main kw_standin kw_cutfile_reader)
kw_warnings(tests_sweep)
# Under the sanitizers a run costs about ten times more: every fourth call is failed there.
if(KW_SANITIZE)
  set(sweep_environment KW_SWEEP_STRIDE=4)
endif()
gtest_discover_tests(tests_sweep DISCOVERY_TIMEOUT 60 NO_PRETTY_VALUES
                     PROPERTIES TIMEOUT 240 ENVIRONMENT "${sweep_environment}")
