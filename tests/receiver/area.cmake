# The receiver's tests need only the reader, and the kwreceiver program to run.
kw_test_area(receiver kw_cutfile_reader)
kw_test_uses_receiver(receiver)
