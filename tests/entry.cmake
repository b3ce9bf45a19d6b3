# Tests of choice entry: the grid, saving and the commands, the entry check, the windows.
sociogram_test(tst_entry_grid SOURCES tst_entry_grid.cpp LIBS entry_core)
sociogram_test(tst_entry_save SOURCES tst_entry_save.cpp LIBS entry_core)
sociogram_test(tst_entry_check SOURCES tst_entry_check.cpp LIBS entry_core)
sociogram_test(tst_entry_windows SOURCES tst_entry_windows.cpp LIBS entry_ui)
