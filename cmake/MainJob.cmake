# The main job, as one build target in any shell and with any generator: builds the ten
# programs, bubble_bench_plain and sort_timing, then runs bubble_bench and list_bench
# (searching for 49500, which stands twice in the shipped dataSetA2.csv) in the folder where
# the build put the data sets.
get_property(programs GLOBAL PROPERTY programs)
add_custom_target(main_job
  COMMAND ${CMAKE_COMMAND} -DBUBBLE_BENCH=$<TARGET_FILE:bubble_bench>
          -DLIST_BENCH=$<TARGET_FILE:list_bench> -DSEARCH_FOR=49500
          -DINPUT=${CMAKE_BINARY_DIR}/main_job_input.txt -P ${CMAKE_CURRENT_LIST_DIR}/RunMainJob.cmake
  USES_TERMINAL VERBATIM)
add_dependencies(main_job ${programs} copy_datasets)
