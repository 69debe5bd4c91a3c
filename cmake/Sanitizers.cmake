# Sanitized builds: every fault is fatal, so a test run or a fuzz run stops
# at the first report.
set(TAV_SANITIZER_FLAGS -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)

if(TAV_SANITIZE)
  add_compile_options(${TAV_SANITIZER_FLAGS})
  add_link_options(-fsanitize=address,undefined)
endif()

if(TAV_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "The fuzz targets need clang: configure with -DCMAKE_CXX_COMPILER=clang++")
  endif()
  # Everything the targets link is instrumented for coverage; the targets
  # themselves add libFuzzer's main.
  add_compile_options(${TAV_SANITIZER_FLAGS} -fsanitize=fuzzer-no-link)
  add_link_options(-fsanitize=address,undefined)
endif()
