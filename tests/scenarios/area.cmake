# Whole sessions through the real module, with the receiver as the cutting application.
kw_test_area(scenarios kw_standin kw_cutfile_reader)
kw_test_uses_receiver(scenarios)
