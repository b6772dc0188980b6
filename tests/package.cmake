# The Debian package: CPack builds it from this tree, it is checked as Debian, desktops and
# software centres would check it, unpacked into a scratch folder, and the unpacked program
# is run (tests/pacchetto/prova-pacchetto). Not in a sanitizer tree: that is no program to ship.
if(NOT BUSSOLINO_SANITIZE)
  add_executable(verifica_pacchetto ${CMAKE_CURRENT_SOURCE_DIR}/pacchetto/verifica_pacchetto.cpp)
  target_link_libraries(verifica_pacchetto PRIVATE bussolino_test_support)
  set_target_properties(verifica_pacchetto PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  add_test(NAME pacchetto
    COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/pacchetto/prova-pacchetto
            ${CMAKE_BINARY_DIR} $<TARGET_FILE:verifica_pacchetto> ${CMAKE_SOURCE_DIR})
  set_tests_properties(pacchetto PROPERTIES ENVIRONMENT "${BUSSOLINO_TEST_ENV}" TIMEOUT 300)
endif()
