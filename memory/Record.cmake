# Records one program under the GNU debugger (record.py), its chatter kept in a log:
#   cmake -DGDB=gdb -DPROGRAM=path -DFILES=a.cpp:b.cpp -DHEAP_TYPE=ListNode -DTRACE=out.json
#         -P Record.cmake
set(ENV{MEMORY_FILES} "${FILES}")
set(ENV{MEMORY_HEAP_TYPE} "${HEAP_TYPE}")
set(ENV{MEMORY_TRACE} "${TRACE}")
file(REMOVE "${TRACE}")
execute_process(COMMAND ${GDB} -q -batch -nx -x ${CMAKE_CURRENT_LIST_DIR}/record.py ${PROGRAM}
                OUTPUT_FILE ${TRACE}.gdb.log ERROR_FILE ${TRACE}.gdb.log TIMEOUT 600)
if(NOT EXISTS "${TRACE}")
  file(READ ${TRACE}.gdb.log log)
  string(LENGTH "${log}" length)
  if(length GREATER 3000)
    math(EXPR start "${length} - 3000")
    string(SUBSTRING "${log}" ${start} -1 log)
  endif()
  message(FATAL_ERROR "${PROGRAM}: no trace recorded; the debugger's last words:\n${log}")
endif()
