# Installs the build into a fresh prefix and checks that it holds exactly the
# expected files, that the menu entry names the installed program and icon,
# and that the installed kit answers --help and --version without a display.
# -DBUILD_DIR, -DPREFIX

include(${CMAKE_CURRENT_LIST_DIR}/expected_files.cmake)

file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE installed OUTPUT_QUIET ERROR_VARIABLE install_errors)
if(NOT installed EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${install_errors}")
endif()

file(GLOB_RECURSE found LIST_DIRECTORIES false RELATIVE ${PREFIX} ${PREFIX}/*)
expect_installed_files("installed files" "${found}")

set(entry_file ${PREFIX}/share/applications/io.github.tavdesigner.TavDesigner.desktop)
file(READ ${entry_file} entry)
foreach(line "Exec=tavdesigner %f" "Icon=tavdesigner" "Categories=Development;" "Type=Application")
  string(FIND "${entry}" "\n${line}\n" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "the desktop entry lacks '${line}'")
  endif()
endforeach()

set(no_display env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM)
execute_process(COMMAND ${no_display} ${PREFIX}/bin/tavdesigner --version
                RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT code EQUAL 0 OR NOT out STREQUAL "tavdesigner 1.0.3\n")
  message(FATAL_ERROR "tavdesigner --version without a display: ${code} '${out}' '${err}'")
endif()
execute_process(COMMAND ${no_display} ${PREFIX}/bin/tavdesigner --help
                RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT code EQUAL 0 OR NOT out MATCHES "^Usage: tavdesigner \\[GAME_FOLDER\\]")
  message(FATAL_ERROR "tavdesigner --help without a display: ${code} '${out}' '${err}'")
endif()
execute_process(COMMAND ${no_display} ${PREFIX}/bin/tavdesigner ${entry_file}
                RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT code EQUAL 2 OR NOT err MATCHES "is not a folder\n$" OR NOT out STREQUAL "")
  message(FATAL_ERROR "a file as the folder argument: ${code} '${out}' '${err}'")
endif()
file(REMOVE_RECURSE ${PREFIX})
