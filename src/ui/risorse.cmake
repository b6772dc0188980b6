# The fonts and pictures the program carries inside itself, as Qt resources of
# bussolino_core: :/caratteri/<file> and :/figure/<nome>.svg (see ui/Risorse.h).
# They are added with the target form of qt_add_resources so that every program
# linking the static library (the game, the tests, the tools) gets them.

# Every carried picture. A name with assets/figure/<nome>.svg is our own drawing;
# every other one is made from the emoji set by the recipe in ui/figure.cmake.
set(BUSSOLINO_FIGURE
  faccia_si faccia_no ciao avvio icona_avvio icona_faccina
  gatto farfalla insetto pesce pesci_pagliaccio bruco cane ghiandaia panda
  uccellino tartaruga cavallo dinosauro cerbiatto cammello
  avanti puntatore)

# Free stand-ins for Arial / MS Sans Serif and Comic Sans MS, carried so every
# machine draws the same letters.
set(BUSSOLINO_CARATTERI
  /usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf
  /usr/share/fonts/truetype/liberation2/LiberationSans-Bold.ttf
  /usr/share/fonts/opentype/comic-neue/ComicNeue-Regular.otf
  /usr/share/fonts/opentype/comic-neue/ComicNeue-Bold.otf)

set(_risorse_dir ${CMAKE_CURRENT_BINARY_DIR}/risorse)
set(_emoji_dir ${CMAKE_SOURCE_DIR}/assets/node_modules/@discordapp/twemoji)
set(_proprie_dir ${CMAKE_SOURCE_DIR}/assets/figure)
set(_risorse_file)

foreach(f IN LISTS BUSSOLINO_CARATTERI)
  if(NOT EXISTS ${f})
    message(FATAL_ERROR "Font ${f} is missing: run scripts/install-deps")
  endif()
  get_filename_component(n ${f} NAME)
  configure_file(${f} ${_risorse_dir}/caratteri/${n} COPYONLY)
  list(APPEND _risorse_file ${_risorse_dir}/caratteri/${n})
endforeach()

if(NOT EXISTS ${_emoji_dir}/dist/svg)
  message(FATAL_ERROR "The emoji set is missing (${_emoji_dir}): run scripts/install-deps")
endif()

set(_figure_svg)
foreach(n IN LISTS BUSSOLINO_FIGURE)
  list(APPEND _figure_svg ${_risorse_dir}/figure/${n}.svg)
endforeach()
file(GLOB _proprie CONFIGURE_DEPENDS ${_proprie_dir}/*.svg)
list(JOIN BUSSOLINO_FIGURE "," _nomi)
add_custom_command(OUTPUT ${_figure_svg}
  COMMAND ${CMAKE_COMMAND}
    -DEMOJI=${_emoji_dir}/dist/svg -DPROPRIE=${_proprie_dir}
    -DDESTINAZIONE=${_risorse_dir}/figure -DNOMI=${_nomi}
    -P ${CMAKE_CURRENT_LIST_DIR}/figure.cmake
  DEPENDS ${CMAKE_CURRENT_LIST_DIR}/figure.cmake ${_proprie} ${_emoji_dir}/package.json
  COMMENT "Making the carried pictures"
  VERBATIM)
list(APPEND _risorse_file ${_figure_svg})

qt_add_resources(bussolino_core "carried"
  PREFIX "/"
  BASE ${_risorse_dir}
  FILES ${_risorse_file})
