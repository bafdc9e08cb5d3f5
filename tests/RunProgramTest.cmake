# Runs one whole-program case and compares what the program did with what the case expects,
# with nothing but CMake, so that it runs wherever CMake does:
#   cmake -DPROGRAM=path -DCASE=dir -DRUN_DIR=dir [-DSTDOUT_MODE=full|closed]
#         [-DLAUNCHER=command|arg|...] [-DCONFIG=Debug|Release|...] -P RunProgramTest.cmake
# LAUNCHER runs the program: valgrind, or a cross build's emulator (qemu, wine), its words
# separated by | (cmake itself would take some of them, -L say, as its own options). RUN_DIR is
# this test's own scratch folder, emptied first; the program runs in RUN_DIR/run.
#
# A case folder may hold:
#   workdir/      files copied into the run's working directory, and folders made there empty
#                 (git keeps a folder by a file .keep, not copied); a file NAME.from instead
#                 puts there, as NAME, the repository file its one line names
#   stdin         the program's standard input (otherwise an empty file)
#   stdout        the expected standard output, byte for byte (WORKDIR and PROGRAMDIR as
#                 in stderr)
#   check.cmake   included instead of comparing stdout: it reads ${actual} and sets
#                 ${check_failure} to what it found wrong
#   stderr        the expected standard error (otherwise it must be empty); the text WORKDIR
#                 in it stands for the working directory of the run (WORKDIR/ ends in the
#                 system's separator), PROGRAMDIR for the program's folder as the build names it
#   debug_stderr_start  what standard error starts with, before what `stderr` says, when the
#                 program was built in the Debug configuration (CONFIG)
#   status        the expected exit status (otherwise 0)
#   environment   NAME=VALUE lines, set in the program's environment
#   arguments     the program's command-line arguments, one a line
#   failing_new   [new[]:]SIZE:NTH, for a test-only build whose NTH allocation (of an array,
#                 with new[]:) of SIZE bytes or more fails
#                 (FAIL_ALLOCATION_OF in the program's environment)
# and, for cases that need Linux itself (registered only there, with the label posix):
#   prepare       an executable run in the working directory first, to make files too large
#                 to keep, or special ones
#   linux_only    the case needs Linux's own files (/proc, say)
#   memory_limit  an address-space limit for the program in KiB (ulimit -v); not applied under
#                 a launcher or when the environment holds MEMORY_LIMITS=off (sanitizers)
#
# A Windows program (PROGRAM.exe) writes its lines ending in CR LF, as Windows programs do:
# its output is compared with the line feeds alone, and WORKDIR stands for the working
# directory as Windows names it (under wine, Z:\...).
# STDOUT_MODE full or closed (Linux) runs the case with standard output on /dev/full or closed:
# the program must then say what the case expects on standard error, then
# "PROGRAM: standard output: <reason>", and exit with 1.
cmake_minimum_required(VERSION 3.25)

string(REPLACE "|" ";" launcher "${LAUNCHER}")
get_filename_component(program_name ${PROGRAM} NAME_WE)
set(windows_program FALSE)
if(PROGRAM MATCHES "\\.exe$")
  set(windows_program TRUE)
endif()

# The run's working directory, filled from the case's workdir/.
file(REMOVE_RECURSE ${RUN_DIR})
set(run_dir ${RUN_DIR}/run)
file(MAKE_DIRECTORY ${run_dir})
get_filename_component(repository ${CMAKE_CURRENT_LIST_DIR} DIRECTORY)
file(GLOB entries LIST_DIRECTORIES true ${CASE}/workdir/*)
foreach(entry IN LISTS entries)
  get_filename_component(name ${entry} NAME)
  if(name MATCHES "^(.*)\\.from$")
    set(target ${CMAKE_MATCH_1})  # before file(STRINGS), which newer CMake lets clear it
    file(STRINGS ${entry} from LIMIT_COUNT 1)
    file(COPY_FILE ${repository}/${from} ${run_dir}/${target})
  elseif(IS_DIRECTORY ${entry})
    file(MAKE_DIRECTORY ${run_dir}/${name})  # git keeps a folder by a .keep file, left behind
  else()
    file(COPY_FILE ${entry} ${run_dir}/${name})
  endif()
endforeach()
if(EXISTS ${CASE}/prepare)
  execute_process(COMMAND ${CASE}/prepare WORKING_DIRECTORY ${run_dir} RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${CASE}/prepare failed: ${status}")
  endif()
endif()

# case_file(name variable): the case's file of that name, or an empty file in its place.
function(case_file name variable)
  set(path ${CASE}/${name})
  if(NOT EXISTS ${path})
    set(path ${RUN_DIR}/empty_${name})
    file(WRITE ${path} "")
  endif()
  set(${variable} ${path} PARENT_SCOPE)
endfunction()

case_file(stdin input)
if(EXISTS ${CASE}/environment)
  file(STRINGS ${CASE}/environment settings)
  foreach(setting IN LISTS settings)
    string(REGEX MATCH "^([^=]+)=(.*)$" ignored "${setting}")
    set(ENV{${CMAKE_MATCH_1}} "${CMAKE_MATCH_2}")
  endforeach()
endif()
if(EXISTS ${CASE}/failing_new)
  file(STRINGS ${CASE}/failing_new failing LIMIT_COUNT 1)
  set(ENV{FAIL_ALLOCATION_OF} ${failing})
endif()

# What only a POSIX shell can arrange: an address-space limit, or standard output elsewhere.
set(shell_steps "")
if(EXISTS ${CASE}/memory_limit AND NOT launcher AND NOT "$ENV{MEMORY_LIMITS}" STREQUAL "off")
  file(STRINGS ${CASE}/memory_limit limit LIMIT_COUNT 1)
  string(APPEND shell_steps "ulimit -v ${limit} && ")
endif()
set(redirect "")
if(STDOUT_MODE STREQUAL "full")
  set(redirect " >/dev/full")
elseif(STDOUT_MODE STREQUAL "closed")
  set(redirect " >&-")
endif()
set(arguments "")
if(EXISTS ${CASE}/arguments)
  file(STRINGS ${CASE}/arguments arguments)
endif()
set(command ${launcher} ${PROGRAM} ${arguments})
if(shell_steps OR redirect)
  set(command sh -c "${shell_steps}exec \"$@\"${redirect}" sh ${command})
endif()
execute_process(COMMAND ${command} WORKING_DIRECTORY ${run_dir} INPUT_FILE ${input}
                OUTPUT_FILE ${RUN_DIR}/stdout ERROR_FILE ${RUN_DIR}/stderr
                RESULT_VARIABLE status)

# bytes(file out): the file's bytes as hex pairs, each followed by a blank.
function(bytes file out)
  file(READ ${file} hex HEX)
  string(REGEX REPLACE "(..)" "\\1 " hex "${hex}")
  set(${out} "${hex}" PARENT_SCOPE)
endfunction()

# The working directory as the program names it.
file(REAL_PATH ${run_dir} here)
set(separator "/")
if(windows_program AND CMAKE_HOST_WIN32)
  file(TO_NATIVE_PATH ${here} here)
  set(separator "\\")
elseif(windows_program)
  string(REPLACE "/" "\\" here "Z:${here}")
  set(separator "\\")
endif()
get_filename_component(program_dir ${PROGRAM} DIRECTORY)
# placeholders(text_variable): WORKDIR and PROGRAMDIR in the text put as the run names them.
macro(placeholders text)
  string(REPLACE "WORKDIR/" "${here}${separator}" ${text} "${${text}}")
  string(REPLACE "WORKDIR" "${here}" ${text} "${${text}}")
  string(REPLACE "PROGRAMDIR" "${program_dir}" ${text} "${${text}}")
endmacro()

set(failures "")
# same(what expected_file actual_file): records a difference, showing both texts.
function(same what expected actual)
  bytes(${expected} expected_bytes)
  bytes(${actual} actual_bytes)
  if(windows_program)
    string(REPLACE "0d 0a " "0a " actual_bytes "${actual_bytes}")
  endif()
  if(NOT expected_bytes STREQUAL actual_bytes)
    file(READ ${expected} expected_text LIMIT 3000)
    file(READ ${actual} actual_text LIMIT 3000)
    string(APPEND failures "${what} differs from ${expected}\n"
                           "--- expected:\n${expected_text}\n+++ actual:\n${actual_text}\n")
    set(failures "${failures}" PARENT_SCOPE)
  endif()
endfunction()

set(expected_status 0)
if(EXISTS ${CASE}/status)
  file(STRINGS ${CASE}/status expected_status LIMIT_COUNT 1)
endif()
case_file(stderr expected_stderr)
if(STDOUT_MODE)
  set(expected_status 1)
  set(reason "the disk is full")
  if(STDOUT_MODE STREQUAL "closed")
    set(reason "it is not open (closed before the program started?)")
  endif()
  file(READ ${expected_stderr} case_stderr)  # what the case says there anyway (progress)
  set(expected_stderr ${RUN_DIR}/stdout_mode_stderr)
  file(WRITE ${expected_stderr} "${case_stderr}${program_name}: standard output: ${reason}\n")
elseif(EXISTS ${CASE}/check.cmake)
  file(READ ${RUN_DIR}/stdout actual)
  if(windows_program)
    string(REPLACE "\r\n" "\n" actual "${actual}")
  endif()
  set(check_failure "")
  include(${CASE}/check.cmake)
  if(check_failure)
    string(APPEND failures "standard output: ${check_failure}\n--- actual:\n${actual}\n")
  endif()
else()
  case_file(stdout expected_stdout)
  file(READ ${expected_stdout} expected_text)
  placeholders(expected_text)
  file(WRITE ${RUN_DIR}/expected_stdout "${expected_text}")
  same("standard output" ${RUN_DIR}/expected_stdout ${RUN_DIR}/stdout)
endif()
if(NOT status STREQUAL expected_status)
  string(APPEND failures "exit status ${status}, expected ${expected_status}\n")
endif()

file(READ ${expected_stderr} expected_text)
if(CONFIG STREQUAL "Debug" AND EXISTS ${CASE}/debug_stderr_start)
  file(READ ${CASE}/debug_stderr_start debug_start)
  string(PREPEND expected_text "${debug_start}")
endif()
placeholders(expected_text)
file(WRITE ${RUN_DIR}/expected_stderr "${expected_text}")
same("standard error" ${RUN_DIR}/expected_stderr ${RUN_DIR}/stderr)

if(failures)
  message("${PROGRAM} on ${CASE}:\n${failures}")  # as it is, unwrapped
  message(FATAL_ERROR "the case failed")
endif()
