# Calls plug-in code directly, with the stand-in host's suites behind it.
kw_test_area(plugin_core kw_plugin_objects kw_standin)
