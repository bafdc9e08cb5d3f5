# A learner's insertion sort that stops one short (tests/support/faultysort.cpp): named on
# standard error (stderr), left out of the tables, the CSV and the picture, which hold the
# other sort; status 1 once they are written.
include(${CASE}/../ReportCheck.cmake)
check_report()
if(NOT sorts STREQUAL "std::sort")
  string(APPEND check_failure " the tables name ${sorts}, not std::sort alone")
endif()
file(READ ${run_dir}/sort_timing.svg svg)
file(READ ${run_dir}/sort_timing.csv csv)
if(svg MATCHES "insertion" OR csv MATCHES "insertion")
  string(APPEND check_failure " the faulty sort is in the CSV or the picture")
endif()
