# Whole sessions through the real module with every host call, and every system call, failed in
# turn: one CTest test per session. The program run by itself sweeps them all and prints the total.
file(GLOB sweep_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/sweep/*.cpp)
add_executable(tests_sweep ${sweep_sources})
target_include_directories(tests_sweep PRIVATE ${CMAKE_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(tests_sweep PRIVATE GTest::gtest GTest::gtest_main kw_standin kw_cutfile_reader)
kw_warnings(tests_sweep)

add_executable(kw_sweep_application ${CMAKE_CURRENT_SOURCE_DIR}/sweep/application/exits_at_once.cpp)
kw_warnings(kw_sweep_application)
target_compile_definitions(tests_sweep PRIVATE
  KW_SWEEP_APPLICATION="$<TARGET_FILE:kw_sweep_application>")
add_dependencies(tests_sweep kw_sweep_application)

if(WIN32)
  # Under Wine the system calls are swept for the Windows implementation; the host calls are the
  # same on every system and are swept natively. The program sets the registry, as the Windows
  # programs do, so the two never run at once.
  target_sources(tests_sweep PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/windows/windows_helpers.cpp)
  add_test(NAME tests_sweep_system_calls
           COMMAND tests_sweep --gtest_filter=Sessions/SystemCallSweep.*)
  set_tests_properties(tests_sweep_system_calls PROPERTIES
    FIXTURES_REQUIRED wine_prefix TIMEOUT 300 RESOURCE_LOCK registry)
  return()
endif()

# Under the sanitizers a run costs about ten times more: every fourth call is failed there.
if(KW_SANITIZE)
  set(sweep_environment KW_SWEEP_STRIDE=4)
endif()
gtest_discover_tests(tests_sweep DISCOVERY_TIMEOUT 60 NO_PRETTY_VALUES
                     PROPERTIES TIMEOUT 240 ENVIRONMENT "${sweep_environment}")
