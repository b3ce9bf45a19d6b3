# Choice entry: the check, the grid, saving and the commands, without a window.
sociogram_test(tst_entry SOURCES tst_entry.cpp LIBS entry_core)
# The data and entry windows, offscreen.
sociogram_test(tst_entry_window SOURCES tst_entry_window.cpp LIBS entry_ui windowsupport)
