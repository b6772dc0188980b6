# Every way out of the built program, from outside: the command line with no display, a display
# that cannot be opened, and quitting at once while the figures are still being decoded.
add_test(NAME uscita COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/support/privato --schermo
  ${CMAKE_CURRENT_SOURCE_DIR}/uscita/vie-d-uscita $<TARGET_FILE:bussolino> ${CMAKE_SOURCE_DIR})
set_tests_properties(uscita PROPERTIES TIMEOUT 300 LABELS e2e)
