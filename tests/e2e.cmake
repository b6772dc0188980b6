# The smoke test on a real X display: the built program on a private Xvfb, driven by real
# pointer events (xdotool), read from screenshots.
add_executable(e2e_fumo ${CMAKE_CURRENT_SOURCE_DIR}/e2e/fumo.cpp)
target_link_libraries(e2e_fumo PRIVATE bussolino_test_support)
set_target_properties(e2e_fumo PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
add_dependencies(e2e_fumo bussolino)
# Until tests/support/privato is in, the benchmarks' own private display serves.
set(PRIVATO ${CMAKE_CURRENT_SOURCE_DIR}/support/privato)
if(NOT EXISTS ${PRIVATO})
  set(PRIVATO ${CMAKE_SOURCE_DIR}/bench/con-schermo-e-suono)
endif()
add_test(NAME e2e COMMAND ${PRIVATO} --schermo $<TARGET_FILE:e2e_fumo> $<TARGET_FILE:bussolino>)
set_tests_properties(e2e PROPERTIES TIMEOUT 300 LABELS e2e)
