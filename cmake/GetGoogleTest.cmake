# GoogleTest for the unit tests, the first of:
#   1. an installed one (find_package; Debian: libgtest-dev);
#   2. its sources: FETCHCONTENT_SOURCE_DIR_GOOGLETEST, or else GOOGLETEST_SOURCE_DIR
#      (Debian's googletest package puts them in /usr/src/googletest);
#   3. a download of the pinned release, the path taken where no package manager has it.
# Offline with none of these, configuring stops and says how to get it.
include(FetchContent)
include(DownloadPinned)

set(GOOGLETEST_SOURCE_DIR /usr/src/googletest CACHE PATH
    "GoogleTest's sources, built where no installed GoogleTest is found")
set(GOOGLETEST_URL https://github.com/google/googletest/archive/refs/tags/release-1.12.1.tar.gz
    CACHE STRING "Where to download GoogleTest from where it is neither installed nor at hand")
# Release 1.12.1, the one Debian 12 ships; the same archive as Debian's googletest source.
set(googletestSha256 81964fe578e9bd7c94dfdb09c8e4d6e6759e19967e397dbea48d1c10e45d0df2)

find_package(GTest CONFIG QUIET)
if(NOT GTest_FOUND)
  if(NOT FETCHCONTENT_SOURCE_DIR_GOOGLETEST AND EXISTS ${GOOGLETEST_SOURCE_DIR}/CMakeLists.txt)
    set(FETCHCONTENT_SOURCE_DIR_GOOGLETEST ${GOOGLETEST_SOURCE_DIR})
  endif()
  set(archive ${GOOGLETEST_URL})
  if(FETCHCONTENT_SOURCE_DIR_GOOGLETEST)
    message(STATUS "GoogleTest: built from ${FETCHCONTENT_SOURCE_DIR_GOOGLETEST}")
  else()
    download_pinned(googletest ${GOOGLETEST_URL} ${googletestSha256} archive)
    if(NOT archive)
      message(FATAL_ERROR
        "GoogleTest is needed for the tests and was not found, nor could it be downloaded "
        "(${googletest_DOWNLOAD_ERROR}). Install it (Debian/Ubuntu: apt-get install libgtest-dev), "
        "point -DGOOGLETEST_SOURCE_DIR at its sources, or go online and configure again. "
        "The programs alone need none of it: cmake --workflow --preset run")
    endif()
  endif()
  FetchContent_Declare(googletest URL ${archive} URL_HASH SHA256=${googletestSha256})
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)  # MSVC: the same runtime as the tests
  block()
    # GoogleTest 1.12.1 asks for CMake 3.5, whose compatibility CMake 4 drops; CMake 3.x
    # ignores this variable.
    set(CMAKE_POLICY_VERSION_MINIMUM 3.10)
    FetchContent_MakeAvailable(googletest)
  endblock()
  # GoogleTest builds itself with /WX under MSVC: a warning that a newer compiler finds in its
  # code must not stop the build of our tests.
  foreach(target gtest gtest_main)
    get_target_property(flags ${target} COMPILE_FLAGS)
    if(flags)
      string(REGEX REPLACE "(^| )[-/]WX( |$)" " " flags "${flags}")
      set_target_properties(${target} PROPERTIES COMPILE_FLAGS "${flags}")
    endif()
  endforeach()
endif()
