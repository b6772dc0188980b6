# The real sound player: a plugin (lib/libbussolino_suono.so beside the program) that brings in
# PulseAudio and libsndfile with its codecs only when the program loads it, after the title has
# painted. Whatever links the program's library finds it built.
pkg_check_modules(PULSE REQUIRED IMPORTED_TARGET libpulse)
add_library(bussolino_suono MODULE ${CMAKE_CURRENT_SOURCE_DIR}/services/LettoreAudio.cpp ${CMAKE_CURRENT_SOURCE_DIR}/services/LettoreAudio.h)
target_include_directories(bussolino_suono PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(bussolino_suono PRIVATE Qt6::Widgets PkgConfig::SNDFILE PkgConfig::PULSE)
set_target_properties(bussolino_suono PROPERTIES LIBRARY_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/lib)
add_dependencies(bussolino_core bussolino_suono)
