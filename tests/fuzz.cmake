# Randomised tests of the small readers, with a fixed seed so that they repeat,
# and the kept corpus of inputs that once found trouble, replayed every run.
sociogram_test(tst_fuzz_numbers SOURCES tst_fuzz_numbers.cpp LIBS shell_core)
sociogram_test(tst_fuzz_store SOURCES tst_fuzz_store.cpp LIBS store)
sociogram_test(tst_fuzz_validation SOURCES tst_fuzz_validation.cpp LIBS entry_core study_core)
foreach(t tst_fuzz_numbers tst_fuzz_store)
  target_compile_definitions(${t} PRIVATE SOCIOGRAM_CORPUS_DIR="${CMAKE_CURRENT_SOURCE_DIR}/corpus")
endforeach()
