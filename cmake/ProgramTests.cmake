# Whole-program tests: each folder under tests/programs/<program>/ is one case for that
# program, run by tests/run_program_test.sh (see there for what a case folder holds), as
# <program>/<case> with the label "program". With MEMCHECK on, each case also runs under
# valgrind's memcheck as memcheck/<program>/<case> (label "memcheck"), where any memory error
# or leak fails it. A cross build runs its cases under its emulator (qemu, wine) instead.
# A case holding a file `failing_new` runs a test-only build of the program whose operator new
# fails where that file says (tests/support/failingnew.cpp); it has no memcheck run.
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

# <program>_failing_new: the program's own sources and libraries, with the failing operator new.
function(add_failing_new_build program)
  get_target_property(folder ${program} SOURCE_DIR)
  get_target_property(sources ${program} SOURCES)
  list(TRANSFORM sources PREPEND ${folder}/)
  get_target_property(libraries ${program} LINK_LIBRARIES)
  add_project_executable(${program}_failing_new ${sources}
                         ${PROJECT_SOURCE_DIR}/tests/support/failingnew.cpp)
  target_link_libraries(${program}_failing_new PRIVATE ${libraries})
endfunction()

function(add_program_tests program)
  file(GLOB cases LIST_DIRECTORIES true CONFIGURE_DEPENDS
       ${PROJECT_SOURCE_DIR}/tests/programs/${program}/*)
  foreach(case IN LISTS cases)
    if(NOT IS_DIRECTORY ${case})
      continue()
    endif()
    get_filename_component(name ${case} NAME)
    set(build ${program})
    if(EXISTS ${case}/failing_new)
      set(build ${program}_failing_new)
      if(NOT TARGET ${build})
        add_failing_new_build(${program})
      endif()
    endif()
    add_test(NAME ${program}/${name}
             COMMAND bash ${programTestRunner} $<TARGET_FILE:${build}> ${case}
                     ${CMAKE_CROSSCOMPILING_EMULATOR})
    set_tests_properties(${program}/${name} PROPERTIES LABELS program SKIP_RETURN_CODE 77
                                                       ${memoryLimits})
    # valgrind puts its own operator new in place of the failing one: no memcheck run there.
    if(MEMCHECK AND build STREQUAL program)
      add_test(NAME memcheck/${program}/${name}
               COMMAND bash ${programTestRunner} $<TARGET_FILE:${build}> ${case}
                       ${VALGRIND} --quiet --error-exitcode=99 --leak-check=full
                       --show-leak-kinds=all --errors-for-leak-kinds=all)
      set_tests_properties(memcheck/${program}/${name} PROPERTIES LABELS memcheck
                           SKIP_RETURN_CODE 77)
    endif()
  endforeach()
endfunction()
