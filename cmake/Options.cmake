# The project's options, all in one place: -D<OPTION>=ON or OFF when configuring.
option(BUILD_TESTING "Build the unit and whole-program tests (GoogleTest: found, or downloaded)" ON)
option(BUILD_BENCHMARKS "Build the benchmarks where Google Benchmark is found or downloadable" ON)
option(BUBBLE_SIMD "Build the SIMD bubble-pass kernels (x86 and ARM64; elsewhere the plain loop)" ON)
option(WARNINGS_AS_ERRORS "Treat compiler warnings in the project's code as errors" OFF)
option(SANITIZE "Build the project's code with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(FUZZ "Build the fuzz targets with libFuzzer (clang++ only)" OFF)
option(LIBCXX_CHECKS "Turn on libc++'s run-time checks, by the name its version knows them by" OFF)
option(MEMCHECK "Also run every whole-program case under valgrind memcheck (label memcheck)" OFF)

if(FUZZ AND NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
  message(FATAL_ERROR "FUZZ needs clang++ (libFuzzer)")
endif()
