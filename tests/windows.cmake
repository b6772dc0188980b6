# Windows' pieces that are plain Qt (the sound player's WAV reader, the recorded drawings), proven
# on this machine against what Linux uses in their place. The rest of Windows' build is proven
# under Wine by make windows-test.
add_executable(test_piattaforma_windows ${CMAKE_CURRENT_SOURCE_DIR}/windows/prova_piattaforma.cpp
                                        ${CMAKE_SOURCE_DIR}/src/platform/windows/Wav.cpp)
target_link_libraries(test_piattaforma_windows PRIVATE bussolino_test_support Qt6::Svg PkgConfig::SNDFILE)
if(TARGET suoni_wav AND TARGET voce_wav)
  add_dependencies(test_piattaforma_windows suoni_wav voce_wav)
endif()
set_target_properties(test_piattaforma_windows PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
add_test(NAME test_piattaforma_windows COMMAND test_piattaforma_windows)
set_tests_properties(test_piattaforma_windows PROPERTIES ENVIRONMENT "${BUSSOLINO_TEST_ENV}" TIMEOUT 300)
