# The random-click soak under AddressSanitizer and UndefinedBehaviorSanitizer. `make test`
# builds test_soak alone in a tree of its own configured with BUSSOLINO_SANITIZE (build-asan/)
# and runs it there at its short count; `make soak` runs the long count, test_soak_lungo.
# Any sanitizer report stops the program with a failing exit code, leaks included.
if(BUSSOLINO_SANITIZE)
  set(BUSSOLINO_SANITIZER_ENV
    "ASAN_OPTIONS=detect_leaks=1:halt_on_error=1:check_initialization_order=1:strict_init_order=1"
    "UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1")
  set_property(TEST test_soak APPEND PROPERTY ENVIRONMENT ${BUSSOLINO_SANITIZER_ENV})

  # Qt Test stops a test function after five minutes unless told otherwise.
  add_test(NAME test_soak_lungo COMMAND test_soak)
  set_tests_properties(test_soak_lungo PROPERTIES
    ENVIRONMENT "${BUSSOLINO_TEST_ENV};${BUSSOLINO_SANITIZER_ENV};BUSSOLINO_SOAK_AZIONI=200000;QTEST_FUNCTION_TIMEOUT=7200000"
    TIMEOUT 7200)
endif()
