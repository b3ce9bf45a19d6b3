# The sociogram's saved arrangements through its state, without a window.
sociogram_test(tst_sociogram SOURCES tst_sociogram.cpp LIBS sociogram_core)
# The sociogram window and the key, offscreen, with the links that open it from other windows.
sociogram_test(tst_sociogram_window SOURCES tst_sociogram_window.cpp LIBS window_links windowsupport)
# Printing and exporting the sociogram's picture, offscreen.
sociogram_test(tst_sociogram_print_window SOURCES tst_sociogram_print_window.cpp LIBS sociogram_ui windowsupport)
# The class list's names on the sociogram, its prints and its exports, offscreen.
sociogram_test(tst_sociogram_names SOURCES tst_sociogram_names.cpp LIBS sociogram_ui windowsupport)
