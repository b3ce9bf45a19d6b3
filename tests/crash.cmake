# Writes killed at random moments: the file must always hold whole writes only. Each
# test runs itself as the writing child process (tests/support/crashharness.h) and
# kills it about fifty times.
sociogram_test(tst_entry_crash SOURCES tst_entry_crash.cpp LIBS entry_core)
set_tests_properties(tst_entry_crash PROPERTIES TIMEOUT 120)
sociogram_test(tst_study_crash SOURCES tst_study_crash.cpp LIBS study_core)
set_tests_properties(tst_study_crash PROPERTIES TIMEOUT 120)
