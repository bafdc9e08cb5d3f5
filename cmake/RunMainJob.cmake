# Runs the main job with CMake's own process handling, so that no shell is needed:
#   cmake -DBUBBLE_BENCH=path -DLIST_BENCH=path -DSEARCH_FOR=int -DINPUT=file -P RunMainJob.cmake
# Each program runs in its own folder, where the build copied its data set, and writes
# straight to this process's standard output and error.

# run(program [execute_process options...]): runs it there; stops the job if it fails.
function(run program)
  get_filename_component(folder ${program} DIRECTORY)
  execute_process(COMMAND ${program} WORKING_DIRECTORY ${folder} ${ARGN} RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    get_filename_component(name ${program} NAME_WE)
    message(FATAL_ERROR "${name} ended with ${status}")
  endif()
endfunction()

run(${BUBBLE_BENCH})
file(WRITE ${INPUT} "${SEARCH_FOR}\n")
run(${LIST_BENCH} INPUT_FILE ${INPUT})
