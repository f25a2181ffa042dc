# Runs the scenario runner on SCENARIO and checks the exit code and the line
# its first line announces ("# exits 1 at line 4").
file(STRINGS ${SCENARIO} first LIMIT_COUNT 1)
if(NOT first MATCHES "^# exits ([0-9]+) at line ([0-9]+)")
  message(FATAL_ERROR "${SCENARIO} does not say how the runner must exit")
endif()
set(wanted_code ${CMAKE_MATCH_1})
set(wanted_line ${CMAKE_MATCH_2})
execute_process(COMMAND ${RUNNER} --timeout 2 ${SCENARIO}
                RESULT_VARIABLE code OUTPUT_VARIABLE output ERROR_VARIABLE errors TIMEOUT 90)
message("${output}")
if(NOT code STREQUAL wanted_code)
  message(FATAL_ERROR "the runner exited ${code}, not ${wanted_code}")
endif()
if(NOT output MATCHES "line ${wanted_line}[:]")
  message(FATAL_ERROR "the runner did not name line ${wanted_line}")
endif()
