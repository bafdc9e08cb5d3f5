# Fails unless a command's standard output is, byte for byte, a given file's content:
#   cmake -DEXPECTED=file -DOUTPUT=scratch-file -DCOMMAND=command|arg|... -P OutputMatches.cmake
# (the command's words separated by |: cmake itself would take some, -L say, as its options).
cmake_minimum_required(VERSION 3.25)
string(REPLACE "|" ";" command "${COMMAND}")
execute_process(COMMAND ${command} OUTPUT_FILE ${OUTPUT} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${command}: ${status}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${EXPECTED} ${OUTPUT}
                RESULT_VARIABLE differs)
if(differs)
  message(FATAL_ERROR "${OUTPUT} (the output of ${command}) differs from ${EXPECTED}")
endif()
