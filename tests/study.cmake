# The study: the checks of its entries, the project list, and both windows offscreen.
sociogram_test(tst_study SOURCES tst_study.cpp LIBS study_ui)
