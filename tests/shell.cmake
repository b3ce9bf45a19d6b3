# The shell: numbers, start-up and the window helpers with the start window offscreen,
# and the error report.
sociogram_test(tst_shell SOURCES tst_shell.cpp LIBS shell_ui)
sociogram_test(tst_errorreport SOURCES tst_errorreport.cpp LIBS shell_core)
