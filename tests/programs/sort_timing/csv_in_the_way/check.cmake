# A folder named sort_timing.csv stands where the table goes: the run stops before any timing,
# prints nothing and leaves no empty sort_timing.svg behind.
if(NOT actual STREQUAL "")
  set(check_failure "standard output is not empty")
elseif(EXISTS ${run_dir}/sort_timing.svg)
  set(check_failure "sort_timing.svg was left behind")
endif()
