# The analysis core: figures, status groups, choices from the grid, the store and CSV text,
# without a window.
sociogram_test(tst_analysis SOURCES tst_analysis.cpp LIBS analysis)
# The exports of the analysis: edge list, GraphML and the table of figures.
sociogram_test(tst_analysis_exports SOURCES tst_analysis_exports.cpp LIBS analysis)
# Class-list files of pupils' names, read and written.
sociogram_test(tst_classlist SOURCES tst_classlist.cpp LIBS analysis)
# The groups core on its own, against exhaustive search.
sociogram_test(tst_analysis_groups SOURCES tst_analysis_groups.cpp LIBS groups)
# The analysis and groups windows and the import command, offscreen.
sociogram_test(tst_analysis_window SOURCES tst_analysis_window.cpp LIBS analysis_ui windowsupport)
# Two surveys of one class compared: per subject, for the class and tie by tie.
sociogram_test(tst_analysis_compare SOURCES tst_analysis_compare.cpp LIBS analysis)
# The data window's Compare With command and the comparison window, offscreen.
sociogram_test(tst_analysis_compare_window SOURCES tst_analysis_compare_window.cpp
  LIBS analysis_ui entry_ui windowsupport)
