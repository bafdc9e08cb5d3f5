# The Unix fix that docs/bad-input.md gives for one value per line: paste -sd, joins the
# lines with commas, into a file that the loader reads whole.
# cmake -DPASTE=... -DINPUT=file -DOUTPUT=file -P PasteJoins.cmake
execute_process(COMMAND ${PASTE} -sd, ${INPUT} OUTPUT_FILE ${OUTPUT} RESULT_VARIABLE status)
file(READ ${OUTPUT} joined)
if(NOT status EQUAL 0 OR NOT joined STREQUAL "5,3,9,1\n")
  message(FATAL_ERROR "paste -sd, gave status ${status} and \"${joined}\", expected \"5,3,9,1\\n\"")
endif()
