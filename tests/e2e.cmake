# The child's session on a real X display (tests/e2e): the built program under Xvfb,
# driven by real pointer events, checked from screenshots.
pkg_check_modules(XCB REQUIRED IMPORTED_TARGET xcb)
add_executable(e2e_bambino
  ${CMAKE_CURRENT_SOURCE_DIR}/e2e/Bambino.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/e2e/Lettura.cpp ${CMAKE_CURRENT_SOURCE_DIR}/e2e/Lettura.h
  ${CMAKE_CURRENT_SOURCE_DIR}/e2e/SchermoX.cpp ${CMAKE_CURRENT_SOURCE_DIR}/e2e/SchermoX.h)
target_link_libraries(e2e_bambino PRIVATE bussolino_core PkgConfig::XCB)
set_target_properties(e2e_bambino PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
add_dependencies(e2e_bambino bussolino)
add_test(NAME e2e COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/e2e/esegui $<TARGET_FILE:e2e_bambino> $<TARGET_FILE:bussolino>)
set_tests_properties(e2e PROPERTIES TIMEOUT 300 LABELS e2e)
