kw_test_area(kwhost kw_kwhost)
