# Whole-program tests: each folder under tests/programs/<program>/ is one case for that
# program, run by tests/run_program_test.sh (see there for what a case folder holds).
set(programTestRunner ${PROJECT_SOURCE_DIR}/tests/run_program_test.sh)

function(add_program_tests program)
  file(GLOB cases LIST_DIRECTORIES true CONFIGURE_DEPENDS
       ${PROJECT_SOURCE_DIR}/tests/programs/${program}/*)
  foreach(case IN LISTS cases)
    if(IS_DIRECTORY ${case})
      get_filename_component(name ${case} NAME)
      add_test(NAME ${program}/${name}
               COMMAND bash ${programTestRunner} $<TARGET_FILE:${program}> ${case})
      set_tests_properties(${program}/${name} PROPERTIES LABELS program)
    endif()
  endforeach()
endfunction()
