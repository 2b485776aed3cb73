# Crop marks are plug-in code, driven directly over the stand-in's document.
kw_test_area(cropmarks kw_plugin_objects kw_standin)
