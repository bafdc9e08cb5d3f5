# Whole-program tests: each folder under tests/programs/<program>/ is one case for that
# program, run by tests/run_program_test.sh (see there for what a case folder holds).
# Each case is registered twice: as <program>/<case> (label "program"), and, when valgrind is
# found and the build has no sanitizer of its own, under valgrind's memcheck as
# memcheck/<program>/<case> (label "memcheck"), where any memory error or leak fails it. The
# memcheck cases are slow: they run only where MEMCHECK=on (the memcheck test preset) and
# are skipped elsewhere. A cross build runs its cases under its emulator (qemu, wine) instead.
set(programTestRunner ${PROJECT_SOURCE_DIR}/tests/run_program_test.sh)
if(NOT SANITIZE AND NOT CMAKE_CROSSCOMPILING)
  find_program(VALGRIND valgrind)
else()
  set(memoryLimits ENVIRONMENT MEMORY_LIMITS=off)  # the sanitizers reserve far more
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
    if(VALGRIND)
      add_test(NAME memcheck/${program}/${name}
               COMMAND bash ${programTestRunner} --memcheck $<TARGET_FILE:${program}> ${case}
                       ${VALGRIND} --quiet --error-exitcode=99 --leak-check=full
                       --show-leak-kinds=all --errors-for-leak-kinds=all)
      set_tests_properties(memcheck/${program}/${name} PROPERTIES LABELS memcheck
                           SKIP_RETURN_CODE 77)
    endif()
  endforeach()
endfunction()
