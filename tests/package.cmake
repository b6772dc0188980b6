# The Debian package: CPack builds it from this tree, it is checked as Debian, desktops and
# software centres would check it, unpacked into a scratch folder, and the unpacked program goes
# through the smoke test (tests/package/prova-pacchetto). Not in a sanitizer tree: no program to ship.
if(NOT BUSSOLINO_SANITIZE)
  add_test(NAME pacchetto
    COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/package/prova-pacchetto
            ${CMAKE_BINARY_DIR} $<TARGET_FILE:e2e_fumo> ${CMAKE_SOURCE_DIR})
  set_tests_properties(pacchetto PROPERTIES ENVIRONMENT "${BUSSOLINO_TEST_ENV}" TIMEOUT 300)
endif()
