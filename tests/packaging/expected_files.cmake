# Fails unless `found` (paths below the prefix) is exactly installed_files.txt.
function(expect_installed_files what found)
  file(STRINGS ${CMAKE_CURRENT_LIST_DIR}/installed_files.txt expected)
  list(SORT found)
  list(SORT expected)
  if(NOT found STREQUAL expected)
    message(FATAL_ERROR "${what} differ\n expected: ${expected}\n found:    ${found}")
  endif()
endfunction()
