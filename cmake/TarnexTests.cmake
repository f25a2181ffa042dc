# One place sets the environment every test runs in: no display needed, a
# C locale so that texts and sort orders do not depend on the machine, and
# the desktop's state and settings directories in the build tree, so that no
# test keeps its runs' transcripts in the user's history or reads the user's
# settings. Tests that look at transcripts point XDG_STATE_HOME at a
# directory of their own.
set(TARNEX_TEST_ENV "QT_QPA_PLATFORM=offscreen" "LANG=C.UTF-8" "LC_ALL=C.UTF-8"
    "XDG_STATE_HOME=${CMAKE_BINARY_DIR}/test-home/state" "XDG_CONFIG_HOME=${CMAKE_BINARY_DIR}/test-home/config")

# Each test case is a test of its own; a cross build's tests run through an
# emulator that takes a second or so to start, so there each executable is
# one test, which runs all its cases at once.
function(tarnex_add_unit_test name)
  add_executable(${name} ${ARGN})
  target_link_libraries(${name} PRIVATE GTest::gtest_main tarnex_ui_headless)
  if(CMAKE_CROSSCOMPILING)
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "${TARNEX_TEST_ENV}" LABELS unit TIMEOUT 900)
  else()
    gtest_discover_tests(${name} PROPERTIES ENVIRONMENT "${TARNEX_TEST_ENV}" LABELS unit
                         DISCOVERY_TIMEOUT 60)
  endif()
endfunction()

function(tarnex_add_gui_test name)
  add_executable(${name} ${ARGN})
  target_link_libraries(${name} PRIVATE Qt6::Test tarnex_ui_headless)
  set_target_properties(${name} PROPERTIES AUTOMOC ON)
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "${TARNEX_TEST_ENV}" LABELS gui TIMEOUT 120)
endfunction()
