# Every window in every language and in a made-up longer one, offscreen.
sociogram_test(tst_languages_window SOURCES tst_languages_window.cpp LIBS window_links windowsupport)
