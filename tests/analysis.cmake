# The analysis core and the analysis and groups windows; the groups core on its own.
sociogram_test(tst_analysis SOURCES tst_analysis.cpp LIBS analysis_ui)
sociogram_test(tst_analysis_groups SOURCES tst_analysis_groups.cpp LIBS groups)
