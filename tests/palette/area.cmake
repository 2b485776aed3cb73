# The palette is plug-in code, driven directly over the stand-in host's suites and dialog model.
kw_test_area(palette kw_plugin_objects kw_standin)
