# The worksheets: the test runs the built programs on the real figures and reads their PDF back
# with poppler's tools; it opens the teacher's window itself.
target_link_libraries(test_schede PRIVATE bussolino_schede)
add_dependencies(test_schede bussolino bussolino-schede)
if(TARGET figure_gif)
  add_dependencies(test_schede figure_gif)
endif()
