# README's two commands, as a learner types them, on any system with CMake: reads them from
# README's Quick start, runs the first and checks that the main job printed its output, runs
# the second (the tests), then prints which bubble kernel this machine's CPU gets.
#   cmake -P .ci/ReadmeCommands.cmake      (from the repository's top folder)
cmake_minimum_required(VERSION 3.25)
get_filename_component(top ${CMAKE_CURRENT_LIST_DIR} DIRECTORY)

file(STRINGS ${top}/README.md lines)
set(commands "")
set(inside FALSE)
foreach(line IN LISTS lines)
  if(line MATCHES "^## ")
    set(inside FALSE)
    if(line STREQUAL "## Quick start")
      set(inside TRUE)
    endif()
  elseif(inside AND line MATCHES "^cmake ")
    list(APPEND commands "${line}")
  endif()
endforeach()
list(LENGTH commands count)
if(NOT count EQUAL 2)
  message(FATAL_ERROR "README's Quick start should hold two cmake command lines, not ${count}")
endif()

# run(command output_variable): runs it in the top folder, shows and returns its output.
function(run command out)
  message(STATUS "README: ${command}")
  separate_arguments(arguments NATIVE_COMMAND "${command}")
  execute_process(COMMAND ${arguments} WORKING_DIRECTORY ${top} RESULT_VARIABLE status
                  OUTPUT_VARIABLE output ERROR_VARIABLE output)
  message("${output}")
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${command}: ${status}")
  endif()
  set(${out} "${output}" PARENT_SCOPE)
endfunction()

list(GET commands 0 first)
run("${first}" output)
# The programs' lines, whatever the build tool puts before them or ends them with.
string(REPLACE "\r" "" output "${output}")
string(REPLACE ";" "," output "${output}")
string(REPLACE "\n" ";" output "${output}")
set(sorted 0)
set(found "")
foreach(line IN LISTS output)
  string(STRIP "${line}" line)
  if(line STREQUAL "Sorted")
    math(EXPR sorted "${sorted} + 1")
  elseif(line MATCHES "^(Enter what you want to search for:|Your search was found at location: [0-9]+)$")
    list(APPEND found "${line}")
  endif()
endforeach()
set(expected "Enter what you want to search for:" "Your search was found at location: 7497"
             "Your search was found at location: 9980")
if(NOT sorted EQUAL 100 OR NOT found STREQUAL expected)
  message(FATAL_ERROR "the main job printed ${sorted} lines Sorted (expected 100) and "
                      "[${found}] (expected [${expected}])")
endif()
message(STATUS "README: the main job printed 100 lines Sorted, the prompt and locations 7497 and 9980")

list(GET commands 1 second)
run("${second}" output)

file(GLOB_RECURSE which LIST_DIRECTORIES false ${top}/build/default/bin/which_kernel
     ${top}/build/default/bin/which_kernel.exe ${top}/build/default/bin/*/which_kernel.exe
     ${top}/build/default/bin/*/which_kernel)
list(GET which 0 which)
execute_process(COMMAND ${which} OUTPUT_VARIABLE kernel OUTPUT_STRIP_TRAILING_WHITESPACE
                COMMAND_ERROR_IS_FATAL ANY)
message(STATUS "README: both commands passed; the dispatch picked the ${kernel} kernel")
