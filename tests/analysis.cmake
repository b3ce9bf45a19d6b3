# The analysis core: figures, status groups, choices from the grid, the store and CSV text,
# the exports, class-list files and two surveys compared, without a window.
sociogram_test(tst_analysis SOURCES tst_analysis.cpp LIBS analysis)
# The groups core on its own, against exhaustive search.
sociogram_test(tst_analysis_groups SOURCES tst_analysis_groups.cpp LIBS groups)
# The analysis and groups windows, the import command, Compare With and the comparison
# window, offscreen.
sociogram_test(tst_analysis_window SOURCES tst_analysis_window.cpp
  LIBS analysis_ui entry_ui windowsupport)
