# Tests of the study window's checks, of the project list's reading and deleting,
# and of the two windows offscreen.
sociogram_test(tst_study_validate SOURCES tst_study_validate.cpp LIBS study_core)
sociogram_test(tst_study_list SOURCES tst_study_list.cpp LIBS study_core)
sociogram_test(tst_study_windows SOURCES tst_study_windows.cpp LIBS study_ui)
