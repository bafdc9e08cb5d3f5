# Whole-program tests: each folder under tests/programs/<program>/ is one case for that
# program, run by tests/RunProgramTest.cmake (see there for what a case folder holds), as
# <program>/<case> with the label "program". Cases that need Linux itself (a file prepare,
# linux_only or memory_limit) are registered only on a Linux host, with the label "posix" too;
# every other case needs nothing but CMake. With MEMCHECK on, each case also runs under
# valgrind's memcheck as memcheck/<program>/<case> (label "memcheck"), where any memory error
# or leak fails it. A cross build runs its cases under its emulator (qemu, wine) instead.
# A case holding a file `failing_new` runs a test-only build of the program whose operator new
# fails where that file says (tests/support/failingnew.cpp); it has no memcheck run, and nor
# has a case holding a file `slow` (which says why), nor runs on an unwritable output. A case
# holding a file `variant` runs a test-only build of the program with the source that file
# names from tests/support/, whose definitions take the place of the program's own.
set(programTestRunner ${PROJECT_SOURCE_DIR}/tests/RunProgramTest.cmake)
set(programTestRuns ${CMAKE_BINARY_DIR}/program-test-runs)
if(SANITIZE)
  set(memoryLimits ENVIRONMENT MEMORY_LIMITS=off)  # the sanitizers reserve far more
endif()
if(MEMCHECK)
  find_program(VALGRIND valgrind)
  if(NOT VALGRIND OR SANITIZE OR CMAKE_CROSSCOMPILING)
    message(FATAL_ERROR "MEMCHECK needs valgrind and a native build without sanitizers "
                        "(Debian/Ubuntu: apt-get install valgrind)")
  endif()
endif()

# add_program_test(name build case labels launcher [runner options...]): launcher is a list.
function(add_program_test name build case labels launcher)
  string(REPLACE ";" "|" launcher "${launcher}")
  add_test(NAME ${name}
           COMMAND ${CMAKE_COMMAND} -DPROGRAM=$<TARGET_FILE:${build}> -DCASE=${case}
                   -DRUN_DIR=${programTestRuns}/${name} "-DLAUNCHER=${launcher}"
                   -DCONFIG=$<CONFIG> ${ARGN}
                   -P ${programTestRunner})
  set_tests_properties(${name} PROPERTIES LABELS "${labels}" ${memoryLimits})
endfunction()

function(add_program_tests program)
  file(GLOB cases LIST_DIRECTORIES true CONFIGURE_DEPENDS
       ${PROJECT_SOURCE_DIR}/tests/programs/${program}/*)
  foreach(case IN LISTS cases)
    if(NOT IS_DIRECTORY ${case})
      continue()
    endif()
    get_filename_component(name ${case} NAME)
    set(labels program)
    if(EXISTS ${case}/prepare OR EXISTS ${case}/linux_only OR EXISTS ${case}/memory_limit)
      if(NOT CMAKE_HOST_SYSTEM_NAME STREQUAL "Linux"
         OR (EXISTS ${case}/linux_only AND NOT CMAKE_SYSTEM_NAME STREQUAL "Linux"))
        continue()
      endif()
      list(APPEND labels posix)
    endif()
    set(build ${program})
    set(variant "")
    if(EXISTS ${case}/failing_new)
      set(variant failingnew.cpp)
      set(build ${program}_failing_new)
    elseif(EXISTS ${case}/variant)
      file(STRINGS ${case}/variant variant LIMIT_COUNT 1)
      get_filename_component(stem ${variant} NAME_WE)
      set(build ${program}_${stem})
    endif()
    if(variant AND NOT TARGET ${build})
      add_program_variant(${build} ${program} ${PROJECT_SOURCE_DIR}/tests/support/${variant})
    endif()
    add_program_test(${program}/${name} ${build} ${case} "${labels}"
                     "${CMAKE_CROSSCOMPILING_EMULATOR}")
    # valgrind puts its own operator new in place of the failing one: no memcheck run there.
    if(MEMCHECK AND build STREQUAL program AND NOT EXISTS ${case}/slow)
      add_program_test(memcheck/${program}/${name} ${build} ${case} "memcheck;posix"
                       "${VALGRIND};--quiet;--error-exitcode=99;--leak-check=full;--show-leak-kinds=all;--errors-for-leak-kinds=all")
    endif()
  endforeach()

  # Output that cannot be written fails the program: its ordinary run (its case default_data
  # or output), with standard output on a full device or closed (Linux's devices and messages).
  if(CMAKE_HOST_SYSTEM_NAME STREQUAL "Linux" AND CMAKE_SYSTEM_NAME STREQUAL "Linux")
    set(run ${PROJECT_SOURCE_DIR}/tests/programs/${program}/default_data)
    if(NOT IS_DIRECTORY ${run})
      set(run ${PROJECT_SOURCE_DIR}/tests/programs/${program}/output)
    endif()
    foreach(mode full closed)
      if(EXISTS ${run}/slow)
        break()
      endif()
      add_program_test(${program}/stdout_${mode} ${program} ${run} "program;posix"
                       "${CMAKE_CROSSCOMPILING_EMULATOR}" -DSTDOUT_MODE=${mode})
    endforeach()
  endif()
endfunction()
