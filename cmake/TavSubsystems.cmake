# Each subsystem is one folder under src/core and src/ui; every .cpp in the
# folder belongs to its library, so adding a file needs no build edit.

function(tav_core_library name)
  cmake_parse_arguments(ARG "" "" "DEPENDS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/core/${name}/*.cpp
                                      ${PROJECT_SOURCE_DIR}/src/core/${name}/*.h)
  set(target tav_core_${name})
  add_library(${target} STATIC ${sources} ${PROJECT_SOURCE_DIR}/cmake/empty.cpp)
  target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${target} PUBLIC Qt6::Core Qt6::Gui)
  foreach(dep IN LISTS ARG_DEPENDS)
    target_link_libraries(${target} PUBLIC tav_core_${dep})
  endforeach()
endfunction()

function(tav_ui_library name)
  cmake_parse_arguments(ARG "" "" "DEPENDS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/ui/${name}/*.cpp
                                      ${PROJECT_SOURCE_DIR}/src/ui/${name}/*.h)
  set(target tav_ui_${name})
  add_library(${target} STATIC ${sources} ${PROJECT_SOURCE_DIR}/cmake/empty.cpp)
  target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${target} PUBLIC Qt6::Core Qt6::Gui Qt6::Widgets)
  if(TARGET tav_core_${name})
    target_link_libraries(${target} PUBLIC tav_core_${name})
  endif()
  foreach(dep IN LISTS ARG_DEPENDS)
    target_link_libraries(${target} PUBLIC tav_ui_${dep})
  endforeach()
endfunction()

# One test executable per folder of tests/core/<name> or tests/ui/<name>.
function(tav_test_folder layer name)
  file(GLOB sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/${layer}/${name}/*.cpp
                                      ${PROJECT_SOURCE_DIR}/tests/${layer}/${name}/*.h)
  if(NOT sources)
    return()
  endif()
  set(target test_${layer}_${name})
  add_executable(${target} ${sources})
  target_link_libraries(${target} PRIVATE tav_test_support tav_${layer}_${name})
  gtest_discover_tests(${target}
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR}
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
    DISCOVERY_TIMEOUT 60)
endfunction()
