# Tests of the analysis core and of the analysis window.
sociogram_test(tst_analysis_sociometry SOURCES tst_analysis_sociometry.cpp LIBS analysis)
sociogram_test(tst_analysis_import SOURCES tst_analysis_import.cpp LIBS analysis)
sociogram_test(tst_analysis_exports SOURCES tst_analysis_exports.cpp LIBS analysis)
sociogram_test(tst_analysis_window SOURCES tst_analysis_window.cpp LIBS analysis_ui)
sociogram_test(tst_analysis_groups SOURCES tst_analysis_groups.cpp LIBS groups)
