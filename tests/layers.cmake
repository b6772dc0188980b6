# The layers of the source: each file includes only its own layer and those below, and no files
# include each other (tests/layers/inclusioni).
add_test(NAME strati COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/layers/inclusioni ${CMAKE_SOURCE_DIR}/src)
