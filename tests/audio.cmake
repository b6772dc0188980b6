# The proof that every answer is heard: the real sound player, a private PulseAudio server
# with a null sink, and a recording of what came out of it.
add_executable(test_suono_registrato ${CMAKE_CURRENT_SOURCE_DIR}/audio/test_suono_registrato.cpp)
target_link_libraries(test_suono_registrato PRIVATE bussolino_test_support PkgConfig::SNDFILE)
# The voice of the exercises is the one the build made.
if(TARGET voce_wav)
  add_dependencies(test_suono_registrato voce_wav)
endif()
set_target_properties(test_suono_registrato PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
add_test(NAME test_suono_registrato
  COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/support/privato --registra $<TARGET_FILE:test_suono_registrato>)
# It times sound against the clock, so it runs alone rather than beside tests that load the machine.
set_tests_properties(test_suono_registrato PROPERTIES
  ENVIRONMENT "${BUSSOLINO_TEST_ENV}" TIMEOUT 120 RUN_SERIAL TRUE LABELS audio)
