# The whole road of a user, in a real window system: a new study, its answers, the
# sociogram, printing, the project list and deleting.
sociogram_window_test(tst_road_window SOURCES tst_road_window.cpp LIBS window_links)
