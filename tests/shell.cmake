# The shell core: numbers, start-up, the globals and the error report.
sociogram_test(tst_shell SOURCES tst_shell.cpp LIBS shell_core)
# The window helpers and the start window, offscreen.
sociogram_test(tst_shell_window SOURCES tst_shell_window.cpp LIBS shell_ui windowsupport)
