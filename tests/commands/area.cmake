# The cut command over the stand-in's document, with the receiver as the cutting application.
kw_test_area(commands kw_plugin_objects kw_standin kw_cutfile_reader)
kw_test_uses_receiver(commands)
