# Path preparation and marking are plug-in code, driven directly over the stand-in's suites.
kw_test_area(prep kw_plugin_objects kw_standin)
