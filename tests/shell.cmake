# Tests of the application shell: the core rules without windows, the window
# helpers offscreen, and the start window in a real window system.
sociogram_test(tst_shell_numbers SOURCES tst_shell_numbers.cpp LIBS shell_core)
sociogram_test(tst_shell_startup SOURCES tst_shell_startup.cpp LIBS shell_core)
sociogram_test(tst_shell_errorreport SOURCES tst_shell_errorreport.cpp LIBS shell_core)
sociogram_test(tst_shell_windows SOURCES tst_shell_windows.cpp LIBS shell_ui)
sociogram_window_test(tst_shell_startform SOURCES tst_shell_startform.cpp LIBS shell_ui)
