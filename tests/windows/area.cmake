# The Windows programs: the real platform calls and the real DLL, run under Wine.
kw_test_area(windows kw_standin kw_plugin_objects)
kw_test_uses_receiver(windows)
# It sets the registry, as the system-call sweep does.
set_tests_properties(tests_windows PROPERTIES RESOURCE_LOCK registry)

# The module as the drawing application meets it, read back from the PE file. The check must also
# be able to fail: a program that is no plug-in is refused.
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(kw_machine amd64)
else()
  set(kw_machine i386)
endif()
find_package(Python3 REQUIRED COMPONENTS Interpreter)
set(kw_pecheck ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/tools/pecheck/pecheck.py)
set(kw_res ${CMAKE_BINARY_DIR}/plugin-module/KerfworksPlugin.res)
# This build's module is made for tests and so carries the hooks the deliverable must not have.
add_test(NAME pecheck_module
  COMMAND ${kw_pecheck} $<TARGET_FILE:KerfworksPlugin> --res ${kw_res} --machine ${kw_machine}
          --test-build)
add_test(NAME pecheck_finds_test_hooks
  COMMAND ${kw_pecheck} $<TARGET_FILE:KerfworksPlugin> --res ${kw_res} --machine ${kw_machine})
set_tests_properties(pecheck_finds_test_hooks PROPERTIES
  PASS_REGULAR_EXPRESSION "FAIL  no test hook variable is named in the module .found: [^)]*KW_PLATFORM_FAIL")
add_test(NAME pecheck_refuses_a_program
  COMMAND ${kw_pecheck} $<TARGET_FILE:kwreceiver> --res ${kw_res} --machine ${kw_machine})
set_tests_properties(pecheck_refuses_a_program PROPERTIES
  PASS_REGULAR_EXPRESSION "FAIL  the only export is PluginMain")
