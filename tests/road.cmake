# The whole road of a user, in a real window system: a new study, its answers, the Target
# sociogram with its key, printing, the saved arrangement and the study opened again from
# the project list.
sociogram_window_test(tst_road_window SOURCES tst_road_window.cpp LIBS window_links windowsupport)
target_compile_definitions(tst_road_window PRIVATE
  SOCIOGRAM_EXAMPLE_NAMES="${PROJECT_SOURCE_DIR}/app/example-class.csv")
