# A tree configured without tests: ctest there stops at once and says how to get them,
# instead of finding no tests.
enable_testing()
file(WRITE ${CMAKE_BINARY_DIR}/no_tests.cmake
     "message(FATAL_ERROR \"This build folder has no tests (BUILD_TESTING is OFF): \"\n"
     "  \"cmake --workflow --preset default builds and runs them, or configure it again with \"\n"
     "  \"-DBUILD_TESTING=ON\")\n")
set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES ${CMAKE_BINARY_DIR}/no_tests.cmake)
