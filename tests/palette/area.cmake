#The palette is plug - in code, driven directly against a recording fake of the host's suites.
kw_test_area(palette kw_plugin_objects)
