# Runs the tool on a real saved .evtx log and checks that each boot the log's
# 6005 records mark (as evtxexport shows them) begins a row.
#   TOOL, EMULATOR (cross builds), LOG, STARTS ("|" between "yyyy-MM-dd HH:mm:ss" times)
string(REPLACE "|" ";" starts "${STARTS}")
execute_process(COMMAND ${EMULATOR} ${TOOL} --evtx ${LOG} --date-format yyyy-MM-dd
                        --time-format HH:mm:ss
                OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "exit status ${status}\n${out}${err}")
endif()
string(REPLACE "\r\n" "\n" out "${out}")
foreach(start IN LISTS starts)
  string(FIND "\n${out}" "\n${start}\t" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "no row starts at ${start}:\n${out}")
  endif()
endforeach()
if(NOT out MATCHES "\n记录数:[0-9]+\n")
  message(FATAL_ERROR "no record count:\n${out}")
endif()
