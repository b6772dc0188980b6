# Linux's libraries: Qt Svg for the carried drawings, Fontconfig for the fonts, and PulseAudio and
# libsndfile for the sound player (libsndfile writes the generators' sounds too).
find_package(Qt6 6.4 REQUIRED COMPONENTS Svg)
find_package(PkgConfig REQUIRED)
find_package(Fontconfig REQUIRED)
pkg_check_modules(SNDFILE REQUIRED IMPORTED_TARGET sndfile)
pkg_check_modules(PULSE REQUIRED IMPORTED_TARGET libpulse)

# The carried drawings, as the program reads them: the committed SVG files.
file(GLOB BUSSOLINO_DISEGNI CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/assets/drawings/*.svg)
