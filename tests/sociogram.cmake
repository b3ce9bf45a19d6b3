# The sociogram's saved arrangements through its state, without a window.
sociogram_test(tst_sociogram SOURCES tst_sociogram.cpp LIBS sociogram_core)
# The sociogram window and the key, the class list's names, printing and exporting the
# picture, offscreen, with the links that open the window from other windows.
sociogram_test(tst_sociogram_window SOURCES tst_sociogram_window.cpp LIBS window_links windowsupport)
