# Choice entry: the check, the grid, saving and the commands, and the windows offscreen.
sociogram_test(tst_entry SOURCES tst_entry.cpp LIBS entry_ui)
