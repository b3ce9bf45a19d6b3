# Randomised runs of the readers, outside the suite: -DSOCIOGRAM_FUZZ=ON builds them and
# registers them with ctest under the label "fuzz". Inputs that once found trouble are
# rows of tst_shell and tst_store.
if(SOCIOGRAM_FUZZ)
  sociogram_test(fuzz_readers SOURCES fuzz/fuzz_readers.cpp LIBS store)
  set_tests_properties(fuzz_readers PROPERTIES LABELS fuzz TIMEOUT 3600)
endif()
