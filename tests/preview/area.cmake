# The preview is plug-in code, drawn directly into the stand-in's recording drawer.
kw_test_area(preview kw_plugin_objects kw_standin)
