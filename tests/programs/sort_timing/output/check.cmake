# sort_timing with n up to 1000 (environment): the tables, the CSV and the picture of every
# sort that sortsToTime() lists, ending in std::sort (ReportCheck.cmake).
include(${CASE}/../ReportCheck.cmake)
check_report()
list(LENGTH sorts sort_count)
if(sort_count LESS 2 OR NOT sorts MATCHES "std::sort$")
  string(APPEND check_failure " the tables name no sorts ending in std::sort: ${sorts}")
endif()
