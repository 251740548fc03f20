# Runs one of the engine's benches at its defaults and compares the signature it prints with the
# one stored for it, so that a change of behaviour cannot pass unnoticed.
#   cmake -DENGINE=<brenvolt-engine> -DBENCH="bench search" -DSTORED=<signatures file> -P ...
execute_process(COMMAND "${CMAKE_COMMAND}" -E echo "${BENCH}"
                COMMAND "${ENGINE}"
                OUTPUT_VARIABLE output
                RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "'${BENCH}' ended with status ${status}:\n${output}")
endif()
if(NOT output MATCHES "\nsignature ([0-9a-f]+)\n")
  message(FATAL_ERROR "'${BENCH}' printed no signature:\n${output}")
endif()
set(measured "${CMAKE_MATCH_1}")

file(STRINGS "${STORED}" lines)
set(stored "")
foreach(line IN LISTS lines)
  if(line MATCHES "^${BENCH} ([0-9a-f]+)$")
    set(stored "${CMAKE_MATCH_1}")
  endif()
endforeach()

if(NOT measured STREQUAL stored)
  message(FATAL_ERROR
    "'${BENCH}' signs ${measured}, but ${STORED} holds '${BENCH} ${stored}'.\n"
    "If the change of behaviour is intended, write '${BENCH} ${measured}' in that file in the "
    "same commit, and put the line 'signature ${measured}' from "
    "`echo '${BENCH}' | brenvolt-engine` in the commit message beside the old one.")
endif()
message(STATUS "'${BENCH}' signature ${measured} as stored")
