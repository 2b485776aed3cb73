# Whole kwhost sessions: the real module, the receiver as the cutting application.
kw_test_area(kwhost_runs kw_kwhost)
add_dependencies(tests_kwhost_runs kwreceiver)
