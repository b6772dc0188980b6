# The smoke test on a real X display: the built program on a private Xvfb, driven by real
# pointer events (xdotool), read from screenshots.
add_executable(e2e_fumo ${CMAKE_CURRENT_SOURCE_DIR}/e2e/fumo.cpp)
target_link_libraries(e2e_fumo PRIVATE bussolino_test_support)
set_target_properties(e2e_fumo PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
add_dependencies(e2e_fumo bussolino)
add_test(NAME e2e COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/support/privato --schermo --suono $<TARGET_FILE:e2e_fumo> $<TARGET_FILE:bussolino>)
set_tests_properties(e2e PROPERTIES TIMEOUT 300 LABELS e2e)
# Every way out of the built program, from outside: the command line with no display, a display
# that cannot be opened, and quitting at once while the figures are still being decoded.
add_test(NAME uscita COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/support/privato --schermo
  ${CMAKE_CURRENT_SOURCE_DIR}/exits/vie-d-uscita $<TARGET_FILE:bussolino> ${CMAKE_SOURCE_DIR})
set_tests_properties(uscita PROPERTIES TIMEOUT 300 LABELS e2e)
