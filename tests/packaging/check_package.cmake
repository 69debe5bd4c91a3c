# Builds the Debian package and reads it back with dpkg-deb: its name, its
# control fields and exactly the expected files under /usr; then Debian's own
# checkers, lintian on the package and appstreamcli and desktop-file-validate
# on its metadata and menu entry, must report no error and no warning.
# -DBUILD_DIR, -DWORK_DIR

include(${CMAKE_CURRENT_LIST_DIR}/expected_files.cmake)

find_program(DPKG_DEB dpkg-deb)
find_program(DPKG_SHLIBDEPS dpkg-shlibdeps)
if(NOT DPKG_DEB OR NOT DPKG_SHLIBDEPS)
  message("SKIPPED: dpkg-deb or dpkg-shlibdeps is missing")
  return()
endif()

file(REMOVE_RECURSE ${WORK_DIR})
execute_process(COMMAND cpack -G DEB --config ${BUILD_DIR}/CPackConfig.cmake -B ${WORK_DIR}
                RESULT_VARIABLE packed OUTPUT_VARIABLE pack_output ERROR_VARIABLE pack_output)
execute_process(COMMAND dpkg --print-architecture OUTPUT_VARIABLE arch OUTPUT_STRIP_TRAILING_WHITESPACE)
set(deb ${WORK_DIR}/tav-designer_1.0.3_${arch}.deb)
if(NOT packed EQUAL 0 OR NOT EXISTS ${deb})
  message(FATAL_ERROR "cpack did not make ${deb}:\n${pack_output}")
endif()

execute_process(COMMAND ${DPKG_DEB} --info ${deb} OUTPUT_VARIABLE info)
foreach(field "Package: tav-designer" "Version: 1.0.3" "Architecture: ${arch}")
  string(FIND "${info}" " ${field}\n" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "the control file lacks '${field}':\n${info}")
  endif()
endforeach()
foreach(dependency qt6-qpa-plugins libqt6core6 libqt6gui6 libqt6widgets6 libc6 libstdc\\+\\+6)
  if(NOT info MATCHES "\n Depends: [^\n]*${dependency}")
    message(FATAL_ERROR "Depends lacks ${dependency}:\n${info}")
  endif()
endforeach()

execute_process(COMMAND ${DPKG_DEB} --contents ${deb} OUTPUT_VARIABLE contents)
string(REGEX MATCHALL "\\./usr/[^\n]*[^/\n]\n" files "${contents}")
list(TRANSFORM files REPLACE "^\\./usr/(.*)\n$" "\\1")
expect_installed_files("packaged files" "${files}")

# Fails when a checker's output holds a line of one of the given kinds.
function(expect_clean what output pattern)
  string(REGEX MATCHALL "${pattern}" findings "${output}")
  if(findings)
    message(FATAL_ERROR "${what} reports errors or warnings:\n${output}")
  endif()
  message("${what}: clean\n${output}")
endfunction()

set(missing "")
find_program(LINTIAN lintian)
if(LINTIAN)
  execute_process(COMMAND ${LINTIAN} --fail-on error,warning ${deb}
                  RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE out)
  expect_clean("lintian" "${out}" "(^|\n)[EW]: ")
  if(NOT code EQUAL 0)
    message(FATAL_ERROR "lintian failed (${code}):\n${out}")
  endif()
else()
  list(APPEND missing lintian)
endif()

set(root ${WORK_DIR}/root)
execute_process(COMMAND ${DPKG_DEB} -x ${deb} ${root})
find_program(APPSTREAMCLI appstreamcli)
if(APPSTREAMCLI)
  execute_process(COMMAND ${APPSTREAMCLI} validate --no-net
                          ${root}/usr/share/metainfo/io.github.tavdesigner.TavDesigner.metainfo.xml
                  RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE out)
  expect_clean("appstreamcli validate" "${out}" "(^|\n)[EW]: ")
  if(NOT code EQUAL 0)
    message(FATAL_ERROR "appstreamcli validate failed (${code}):\n${out}")
  endif()
else()
  list(APPEND missing appstreamcli)
endif()
find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)
if(DESKTOP_FILE_VALIDATE)
  # It prints nothing for a clean entry, and every error, warning and hint.
  execute_process(COMMAND ${DESKTOP_FILE_VALIDATE}
                          ${root}/usr/share/applications/io.github.tavdesigner.TavDesigner.desktop
                  RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE out)
  expect_clean("desktop-file-validate" "${out}" "[^\n]")
  if(NOT code EQUAL 0)
    message(FATAL_ERROR "desktop-file-validate failed (${code}):\n${out}")
  endif()
else()
  list(APPEND missing desktop-file-validate)
endif()
file(REMOVE_RECURSE ${WORK_DIR})
if(missing)
  message("SKIPPED: not installed: ${missing} (./package installs them)")
endif()
