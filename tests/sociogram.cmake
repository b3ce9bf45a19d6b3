# The sociogram window and its saved arrangements, offscreen.
sociogram_test(tst_sociogram SOURCES tst_sociogram.cpp LIBS sociogram_ui)
