# How tests are registered with CTest: each carries one label that says what it needs, and an
# environment that keeps what it writes inside the build tree.
#   fast        the rules and other quick unit tests: no window, no devices
#   widgets     windows on Qt's offscreen platform
#   realwindow  the real program or player under Xvfb and openbox, PulseAudio, D-Bus
#   packaging   the validators, the installed program and the Debian package
# Run one kind with `ctest --preset release -L fast`; scripts/test.sh runs them in that order.
find_package(GTest REQUIRED)
include(GoogleTest)

set(SUMBURROW_TEST_LABELS fast widgets realwindow packaging)

# Qt makes /tmp/runtime-<user> for itself when XDG_RUNTIME_DIR is unset (as for root without a
# login session), and keeps it; the tests get a runtime folder of their own instead.
set(SUMBURROW_TEST_RUNTIME_DIR ${PROJECT_BINARY_DIR}/test-runtime)
file(MAKE_DIRECTORY ${SUMBURROW_TEST_RUNTIME_DIR})
file(CHMOD ${SUMBURROW_TEST_RUNTIME_DIR} DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)

function(sumburrow_check_label label)
  if(NOT label IN_LIST SUMBURROW_TEST_LABELS)
    message(FATAL_ERROR "Test label '${label}' is not one of: ${SUMBURROW_TEST_LABELS}")
  endif()
endfunction()

# sumburrow_gtests(TARGET LABEL [more gtest_discover_tests arguments]): every GoogleTest case of
# TARGET as a test of its own.
function(sumburrow_gtests target label)
  sumburrow_check_label(${label})
  # gtest_discover_tests splits list values, so each property holds a single entry: the platform
  # in ENVIRONMENT, the runtime folder in ENVIRONMENT_MODIFICATION.
  gtest_discover_tests(${target} DISCOVERY_TIMEOUT 60 ${ARGN}
    PROPERTIES LABELS ${label}
               ENVIRONMENT QT_QPA_PLATFORM=offscreen
               ENVIRONMENT_MODIFICATION XDG_RUNTIME_DIR=set:${SUMBURROW_TEST_RUNTIME_DIR})
endfunction()

# sumburrow_test_properties(LABEL TEST... [PROPERTIES name value ...]): the label and environment
# for tests made with add_test, plus any further properties.
function(sumburrow_test_properties label)
  sumburrow_check_label(${label})
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "PROPERTIES")
  set_tests_properties(${arg_UNPARSED_ARGUMENTS} PROPERTIES
    LABELS ${label}
    ENVIRONMENT "XDG_RUNTIME_DIR=${SUMBURROW_TEST_RUNTIME_DIR}"
    ${arg_PROPERTIES})
endfunction()
