# Every window in every language and in a made-up longer one, offscreen.
sociogram_test(tst_languages_window SOURCES tst_languages_window.cpp LIBS window_links windowsupport)
# The sources of the messages the box translates, read from one catalogue.
target_compile_definitions(tst_languages_window PRIVATE
  SOCIOGRAM_CATALOGUE="${PROJECT_SOURCE_DIR}/translations/sociogram_de.ts")
