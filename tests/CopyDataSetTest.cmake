# The build's copy of a shipped data set next to the programs: each row is what stands there
# before a build, the shipped file then, and what must stand there after.
#   cmake -DCOPY_SCRIPT=cmake/CopyDataSet.cmake -DDIR=scratch-folder -P CopyDataSetTest.cmake
cmake_minimum_required(VERSION 3.25)
file(REMOVE_RECURSE ${DIR})
file(MAKE_DIRECTORY ${DIR})

# copy(shipped): one build's copy step.
function(copy shipped)
  file(WRITE ${DIR}/shipped.csv "${shipped}")
  execute_process(COMMAND ${CMAKE_COMMAND} -DSOURCE=${DIR}/shipped.csv
                          -DDESTINATION=${DIR}/bin.csv -DRECORD=${DIR}/record -P ${COPY_SCRIPT}
                  OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
endfunction()

set(failures "")
#    before     shipped first  shipped next  expected after
set(rows
     "(none)    1,2,3          1,2,3         1,2,3"    # a fresh build gets the shipped file
     "(none)    1,2,3          4,5,6         4,5,6"    # an unchanged copy follows the shipped one
     "7,7,7     1,2,3          1,2,3         7,7,7"    # a user's own file stays
     "(copy)+9  1,2,3          4,5,6         1,2,3,9") # so does a copy the user changed
foreach(row IN LISTS rows)
  separate_arguments(row UNIX_COMMAND "${row}")
  list(GET row 0 before)
  list(GET row 1 first)
  list(GET row 2 next)
  list(GET row 3 expected)
  file(REMOVE ${DIR}/bin.csv ${DIR}/record)
  if(before STREQUAL "(copy)+9")
    copy(${first})
    file(APPEND ${DIR}/bin.csv ",9")
  elseif(NOT before STREQUAL "(none)")
    file(WRITE ${DIR}/bin.csv ${before})
  endif()
  copy(${first})
  copy(${next})
  file(READ ${DIR}/bin.csv actual)
  if(NOT actual STREQUAL expected)
    string(APPEND failures "before ${before}, shipped ${first} then ${next}: "
                           "found ${actual}, expected ${expected}\n")
  endif()
endforeach()
if(failures)
  message(FATAL_ERROR "${failures}")
endif()
