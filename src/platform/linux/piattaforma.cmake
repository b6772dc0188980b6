# Linux's files. The program's library reads the font configuration and the SVG drawings itself;
# the worksheet maker draws them as vectors through Qt Svg.
target_sources(bussolino_core PRIVATE ${CMAKE_CURRENT_LIST_DIR}/Piattaforma.cpp)
target_link_libraries(bussolino_core PUBLIC Fontconfig::Fontconfig)
target_sources(bussolino_schede PRIVATE ${CMAKE_CURRENT_LIST_DIR}/DisegnoVettoriale.cpp)
target_link_libraries(bussolino_schede PUBLIC Qt6::Svg)

# The real sound player: a plugin (lib/libbussolino_suono.so beside the program) that brings in
# PulseAudio and libsndfile with its codecs only when the program loads it, after the title has
# painted. Whatever links the program's library finds it built.
add_library(bussolino_suono MODULE ${CMAKE_CURRENT_LIST_DIR}/LettoreAudio.cpp ${CMAKE_CURRENT_LIST_DIR}/LettoreAudio.h)
target_include_directories(bussolino_suono PRIVATE ${CMAKE_SOURCE_DIR}/src)
target_link_libraries(bussolino_suono PRIVATE Qt6::Widgets PkgConfig::SNDFILE PkgConfig::PULSE)
set_target_properties(bussolino_suono PROPERTIES LIBRARY_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/lib)
add_dependencies(bussolino_core bussolino_suono)
