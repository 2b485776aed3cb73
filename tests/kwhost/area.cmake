# kwhost over the stand-in, and the plug-in's own marks saved and read back.
kw_test_area(kwhost kw_kwhost kw_plugin_objects)
