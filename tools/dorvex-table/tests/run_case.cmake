# Runs the tool on a log and compares what it prints and its exit status.
# Expected files hold standard output, or for failures the first line of
# standard error, with the log file's name as FILE.
#   TOOL EXPECTED STATUS, ARGS ("|" between arguments), OPTION and LOG (the
#   log option and its file), EMULATOR (cross builds).
string(REPLACE "|" ";" args "${ARGS}")
execute_process(COMMAND ${EMULATOR} ${TOOL} ${OPTION} ${LOG} ${args}
                OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE status)
file(READ ${EXPECTED} expected)
if(NOT status EQUAL STATUS)
  message(FATAL_ERROR "exit status ${status}, expected ${STATUS}\n${out}${err}")
endif()
if(STATUS EQUAL 0)
  set(actual "${out}")
else()
  string(REGEX REPLACE "\n.*" "\n" actual "${err}")
  string(REPLACE "${LOG}" "FILE" actual "${actual}")
endif()
# Windows writes its standard streams in text mode.
string(REPLACE "\r\n" "\n" actual "${actual}")
if(NOT actual STREQUAL expected)
  message(FATAL_ERROR "got:\n${actual}\nexpected:\n${expected}")
endif()
