# sort_timing with n up to 1000 (environment): for each input, a table whose header names the
# sorts, a row per size, the growth and the ratio rows and three notes; the title and where the
# files went; a CSV row per time the tables show; an SVG with a line per series and a marker
# per point. Every count comes from the header's list of sorts; no timing is checked.
string(REGEX REPLACE "\n$" "" lines "${actual}")
string(REPLACE ";" "," lines "${lines}")
string(REPLACE "\n" ";" lines "${lines}")
list(LENGTH lines count)

# The sorts, from the first table's header: names are separated by two blanks or more.
list(GET lines 1 header)
string(REGEX REPLACE "^ +n  +" "" names "${header}")
string(REGEX REPLACE "  +" ";" names "${names}")
list(LENGTH names sorts)
if(sorts LESS 2 OR NOT names MATCHES "std::sort$")
  set(check_failure "the header \"${header}\" names no sorts ending in std::sort")
  return()
endif()
string(REPEAT " +([0-9.]+ [mu]?s|-)" ${sorts} times)
string(REPEAT " +(n\\^[0-9.-]+|-)" ${sorts} exponents)
string(REPEAT " +([0-9.]+x|-)" ${sorts} ratios)
# What each kind of line must match; any other expected line is a text it must equal.
set(row_pattern "^ +[0-9]+${times}$")
set(growth_pattern "^ +growth${exponents}$")
set(ratio_pattern "^ +x std::sort${ratios}$")
set(title_pattern "^Time per sort: .+, .+, bubble kernel [a-z0-9]+$")
if(CONFIG STREQUAL "Debug")
  set(title_pattern "^Time per sort: .+, .+, bubble kernel [a-z0-9]+ \\(Debug build: not representative\\)$")
endif()
set(wrote_pattern "^Wrote .+[/\\\\]sort_timing.csv and .+[/\\\\]sort_timing.svg \\(the timing took .+\\)\\.$")
set(expected_shape "")
foreach(input random sorted)
  list(APPEND expected_shape "Time per sort on ${input} input (best of 3 rounds)" "${header}"
       row row row row growth ratio
       "growth: time ~ n^k, k fitted (least squares, log-log) over each sort's last 4 sizes"
       "-: not timed: over a second there, or past the sort's cap in sortsToTime()"
       "x std::sort: the time over std::sort's, at the largest n both took" "")
endforeach()
list(APPEND expected_shape title wrote)
list(LENGTH expected_shape expected_count)
if(NOT count EQUAL expected_count)
  set(check_failure "${count} lines, not ${expected_count}")
  return()
endif()
set(timed 0)  # the times the tables show
math(EXPR last "${count} - 1")
foreach(i RANGE ${last})
  list(GET lines ${i} line)
  list(GET expected_shape ${i} shape)
  if(DEFINED ${shape}_pattern)
    set(ok FALSE)
    if(line MATCHES "${${shape}_pattern}")
      set(ok TRUE)
    endif()
  else()
    string(COMPARE EQUAL "${line}" "${shape}" ok)
  endif()
  if(NOT ok AND NOT check_failure)
    set(check_failure "line ${i}: \"${line}\" is not ${shape}")
  endif()
  if(shape STREQUAL "row")
    string(REGEX MATCHALL "[0-9.]+ [mu]?s" cells "${line}")
    list(LENGTH cells cell_count)
    math(EXPR timed "${timed} + ${cell_count}")
  endif()
endforeach()

file(STRINGS ${run_dir}/sort_timing.csv csv)
list(LENGTH csv csv_count)
list(GET csv 0 csv_header)
math(EXPR csv_expected "${timed} + 1")
if(NOT csv_header STREQUAL "sort,input,n,seconds_per_sort,cpu,compiler,build,system"
   OR NOT csv_count EQUAL csv_expected)
  string(APPEND check_failure " sort_timing.csv: header \"${csv_header}\", ${csv_count} lines, "
                              "not ${csv_expected}")
endif()

file(READ ${run_dir}/sort_timing.svg svg)
string(REGEX MATCHALL "<polyline class=\"series\"" series "${svg}")
string(REGEX MATCHALL "class=\"marker\"" markers "${svg}")
list(LENGTH series series_count)
list(LENGTH markers marker_count)
math(EXPR series_expected "2 * ${sorts}")
math(EXPR markers_expected "${timed} + ${series_expected}")  # the legend's too
if(NOT svg MATCHES "^<\\?xml [^\n]*\n<svg " OR NOT svg MATCHES "</svg>\n$"
   OR NOT series_count EQUAL series_expected OR NOT marker_count EQUAL markers_expected)
  string(APPEND check_failure " sort_timing.svg: ${series_count} series and ${marker_count} "
                              "markers, not ${series_expected} and ${markers_expected}")
endif()
