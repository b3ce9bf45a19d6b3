# One interface target that carries the language level, the warnings and the
# sanitizer switch; every library, program, test and benchmark links it.
add_library(sociogram_options INTERFACE)
target_compile_features(sociogram_options INTERFACE cxx_std_20)
target_compile_options(sociogram_options INTERFACE -Wall -Wextra -Wpedantic -Wshadow=local)
# Every connection names the object whose lifetime it follows (Qt 6.7 and later
# enforce it; tools/check-style.py does on older Qt).
target_compile_definitions(sociogram_options INTERFACE QT_NO_KEYWORDS QT_NO_CONTEXTLESS_CONNECT)
if(SOCIOGRAM_WERROR)
  target_compile_options(sociogram_options INTERFACE -Werror)
endif()
if(SOCIOGRAM_SANITIZE)
  target_compile_options(sociogram_options INTERFACE -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  target_link_options(sociogram_options INTERFACE -fsanitize=address,undefined)
  # The position tables are std::arrays in globals, where ASan sees no red zone between
  # neighbours: the library's own bounds checks catch an index one past the end.
  target_compile_definitions(sociogram_options INTERFACE _GLIBCXX_ASSERTIONS)
endif()

# The empty study database that ships beside the executable. It is made from the
# schema at build time and copied only when no database is there yet: a user's
# studies live in that file and must never be overwritten by a rebuild.
function(sociogram_ship_database target)
  set(schema ${PROJECT_SOURCE_DIR}/store/schema.sql)
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND ${CMAKE_COMMAND} -DSCHEMA=${schema} -DDEST=$<TARGET_FILE_DIR:${target}>/KELVAROX.MDB
            -P ${PROJECT_SOURCE_DIR}/cmake/MakeDatabase.cmake
    VERBATIM)
endfunction()
