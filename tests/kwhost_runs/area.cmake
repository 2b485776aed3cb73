# Whole kwhost sessions: the real module, the receiver as the cutting application.
kw_test_area(kwhost_runs kw_kwhost)
kw_test_uses_receiver(kwhost_runs)
