# Runs the main job with CMake's own process handling, so that no shell is needed:
#   cmake -DBUBBLE_BENCH=path -DLIST_BENCH=path -DSEARCH_FOR=int -DINPUT=file -P RunMainJob.cmake
# Each program runs in its own folder, where the build copied its data set, and writes
# straight to this process's standard output and error.
get_filename_component(folder ${BUBBLE_BENCH} DIRECTORY)
execute_process(COMMAND ${BUBBLE_BENCH} WORKING_DIRECTORY ${folder} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "bubble_bench ended with ${status}")
endif()

file(WRITE ${INPUT} "${SEARCH_FOR}\n")
get_filename_component(folder ${LIST_BENCH} DIRECTORY)
execute_process(COMMAND ${LIST_BENCH} WORKING_DIRECTORY ${folder} INPUT_FILE ${INPUT}
                RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "list_bench ended with ${status}")
endif()
