# The fonts and drawings the program carries inside itself, as Qt resources of
# bussolino_core: :/caratteri/<file> and :/disegni/<nome>.svg (see ui/Risorse.h).
# They are added with the target form of qt_add_resources so that every program
# linking the static library (the game, the tests, the tools) gets them.

# Free stand-ins for Arial / MS Sans Serif and Comic Sans MS, carried so every
# machine draws the same letters.
set(BUSSOLINO_CARATTERI
  /usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf
  /usr/share/fonts/truetype/liberation2/LiberationSans-Bold.ttf
  /usr/share/fonts/opentype/comic-neue/ComicNeue-Regular.otf
  /usr/share/fonts/opentype/comic-neue/ComicNeue-Bold.otf)

set(_risorse_dir ${CMAKE_CURRENT_BINARY_DIR}/risorse)
set(_risorse_file)
foreach(f IN LISTS BUSSOLINO_CARATTERI)
  if(NOT EXISTS ${f})
    message(FATAL_ERROR "Font ${f} is missing: run scripts/install-deps")
  endif()
  get_filename_component(n ${f} NAME)
  configure_file(${f} ${_risorse_dir}/caratteri/${n} COPYONLY)
  list(APPEND _risorse_file ${_risorse_dir}/caratteri/${n})
endforeach()
# Uncompressed, so that Qt reads them where the program is mapped (ui/Risorse.cpp).
qt_add_resources(bussolino_core "carried_fonts"
  PREFIX "/"
  BASE ${_risorse_dir}
  FILES ${_risorse_file}
  OPTIONS --no-compress)

# The drawings are committed in assets/drawings (tools/drawings/rifai remakes them); the platform
# says in which form it carries them (BUSSOLINO_DISEGNI, its librerie.cmake).
set(_disegni_file)
foreach(f IN LISTS BUSSOLINO_DISEGNI)
  get_filename_component(n ${f} NAME)
  configure_file(${f} ${_risorse_dir}/disegni/${n} COPYONLY)
  list(APPEND _disegni_file ${_risorse_dir}/disegni/${n})
endforeach()
qt_add_resources(bussolino_core "carried"
  PREFIX "/"
  BASE ${_risorse_dir}
  FILES ${_disegni_file})
