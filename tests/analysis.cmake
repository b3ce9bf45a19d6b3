# The analysis core and the analysis window.
sociogram_test(tst_analysis SOURCES tst_analysis.cpp LIBS analysis_ui)
