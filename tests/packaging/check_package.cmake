# Builds the Debian package and reads it back with dpkg-deb: its name, its
# control fields and exactly the expected files under /usr.
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
file(REMOVE_RECURSE ${WORK_DIR})
