# libFuzzer coverage for every target when FUZZ is on (clang only); the fuzz targets link the
# fuzzer itself. Pair it with SANITIZE for AddressSanitizer and UndefinedBehaviorSanitizer.
option(FUZZ "Build the fuzz targets with libFuzzer (clang)" OFF)

if(FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "FUZZ needs clang++ (libFuzzer)")
  endif()
  add_compile_options(-fsanitize=fuzzer-no-link)
endif()
