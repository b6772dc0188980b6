# The picture, sound and voice tests read what the build made: build the generators' outputs first.
if(TARGET test_figure AND TARGET figure_gif)
  add_dependencies(test_figure figure_gif)
  # The tests tell the parts of a figure apart by the colours the pictures are drawn in.
  target_include_directories(test_figure PRIVATE ${CMAKE_SOURCE_DIR}/tools/figures)
endif()
if(TARGET test_suoni AND TARGET suoni_wav)
  add_dependencies(test_suoni suoni_wav)
  target_link_libraries(test_suoni PRIVATE PkgConfig::SNDFILE)
endif()
if(TARGET test_voce AND TARGET voce_wav)
  add_dependencies(test_voce voce_wav)
  target_link_libraries(test_voce PRIVATE PkgConfig::SNDFILE)
endif()
