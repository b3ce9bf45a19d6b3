# The study: the checks of its entries, the project list and deleting, without a window.
sociogram_test(tst_study SOURCES tst_study.cpp LIBS study_core)
# The study window and the project list window, offscreen.
sociogram_test(tst_study_window SOURCES tst_study_window.cpp LIBS study_ui windowsupport)
