# The cut file writer and the launcher, tested directly; the receiver reads back what they wrote
# and stands in for the cutting application.
kw_test_area(output kw_plugin_objects kw_standin kw_cutfile_reader)
kw_test_uses_receiver(output)
