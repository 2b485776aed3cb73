# Settings are plug-in code, tested directly.
kw_test_area(settings kw_plugin_objects kw_standin)
