# Runs the scenario runner RUNNER (its words joined by |, an emulator's
# first), with FLAG when given, on SCENARIO, PLAYS times (default once), and
# checks the exit code and the line its first line announces ("# exits 1 at
# line 4", optionally followed by ", timeout N" for the runner's --timeout,
# default 2).
file(STRINGS ${SCENARIO} first LIMIT_COUNT 1)
if(NOT first MATCHES "^# exits ([0-9]+) at line ([0-9]+)(, timeout ([0-9]+))?")
  message(FATAL_ERROR "${SCENARIO} does not say how the runner must exit")
endif()
set(wanted_code ${CMAKE_MATCH_1})
set(wanted_line ${CMAKE_MATCH_2})
set(timeout 2)
if(CMAKE_MATCH_4)
  set(timeout ${CMAKE_MATCH_4})
endif()
string(REPLACE "|" ";" runner "${RUNNER}")
if(NOT DEFINED PLAYS)
  set(PLAYS 1)
endif()
foreach(play RANGE 1 ${PLAYS})
  execute_process(COMMAND ${runner} ${FLAG} --timeout ${timeout} ${SCENARIO}
                  RESULT_VARIABLE code OUTPUT_VARIABLE output ERROR_VARIABLE errors TIMEOUT 90)
  if(NOT code STREQUAL wanted_code)
    message("${output}")
    message(FATAL_ERROR "play ${play}: the runner exited ${code}, not ${wanted_code}")
  endif()
  if(NOT output MATCHES "line ${wanted_line}[:]")
    message("${output}")
    message(FATAL_ERROR "play ${play}: the runner did not name line ${wanted_line}")
  endif()
endforeach()
message("${PLAYS} plays: exit ${code}, line ${wanted_line} named\n${output}")
