# Whole-program tests: each folder under tests/programs/<program>/ is one case for that
# program, run by tests/run_program_test.sh (see there for what a case folder holds), as
# <program>/<case> with the label "program". With MEMCHECK on, each case also runs under
# valgrind's memcheck as memcheck/<program>/<case> (label "memcheck"), where any memory error
# or leak fails it. A cross build runs its cases under its emulator (qemu, wine) instead.
set(programTestRunner ${PROJECT_SOURCE_DIR}/tests/run_program_test.sh)
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

function(add_program_tests program)
  file(GLOB cases LIST_DIRECTORIES true CONFIGURE_DEPENDS
       ${PROJECT_SOURCE_DIR}/tests/programs/${program}/*)
  foreach(case IN LISTS cases)
    if(NOT IS_DIRECTORY ${case})
      continue()
    endif()
    get_filename_component(name ${case} NAME)
    add_test(NAME ${program}/${name}
             COMMAND bash ${programTestRunner} $<TARGET_FILE:${program}> ${case}
                     ${CMAKE_CROSSCOMPILING_EMULATOR})
    set_tests_properties(${program}/${name} PROPERTIES LABELS program SKIP_RETURN_CODE 77
                                                       ${memoryLimits})
    if(MEMCHECK)
      add_test(NAME memcheck/${program}/${name}
               COMMAND bash ${programTestRunner} $<TARGET_FILE:${program}> ${case}
                       ${VALGRIND} --quiet --error-exitcode=99 --leak-check=full
                       --show-leak-kinds=all --errors-for-leak-kinds=all)
      set_tests_properties(memcheck/${program}/${name} PROPERTIES LABELS memcheck
                           SKIP_RETURN_CODE 77)
    endif()
  endforeach()
endfunction()
