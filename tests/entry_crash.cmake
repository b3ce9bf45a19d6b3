# A save killed at random moments: the file must always hold one whole save. The
# test runs itself as the saving child process, and kills it about forty times.
sociogram_test(tst_entry_crash SOURCES tst_entry_crash.cpp LIBS entry_core)
set_tests_properties(tst_entry_crash PROPERTIES TIMEOUT 120)
