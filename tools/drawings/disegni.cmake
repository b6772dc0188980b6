# Remakes the carried drawings that come from the pinned emoji set, into assets/drawings/.
# A maintainer's step, not part of the build (tools/drawings/rifai runs it):
#   cmake -DEMOJI=<emoji svg folder> -DDESTINAZIONE=<assets/drawings> -P disegni.cmake
# Each drawing is an emoji of the set changed by its recipe disegno_<name> below; our own
# drawings (avanti, puntatore) live only in assets/drawings and are not touched.
# Every replacement must find what it replaces: if a new version of the set draws
# a picture differently, this stops instead of making a wrong picture.
cmake_minimum_required(VERSION 3.22)

foreach(v EMOJI DESTINAZIONE)
  if(NOT DEFINED ${v})
    message(FATAL_ERROR "disegni.cmake: -D${v}=... is missing")
  endif()
endforeach()

# The emoji <cp>.svg as text.
function(leggi var cp)
  set(file "${EMOJI}/${cp}.svg")
  if(NOT EXISTS "${file}")
    message(FATAL_ERROR "disegni.cmake: ${file} is missing; run tools/drawings/rifai")
  endif()
  file(READ "${file}" testo)
  set(${var} "${testo}" PARENT_SCOPE)
endfunction()

# What lies inside <svg ...>...</svg>, to put one emoji into a bigger picture.
function(interno var cp)
  leggi(testo ${cp})
  string(REGEX REPLACE "^[ \t\r\n]*<svg[^>]*>" "" testo "${testo}")
  string(REGEX REPLACE "</svg>[ \t\r\n]*$" "" testo "${testo}")
  set(${var} "${testo}" PARENT_SCOPE)
endfunction()

# Replaces every `da` in the picture text; stops the build if there is none.
function(sostituisci var da a)
  string(FIND "${${var}}" "${da}" dove)
  if(dove EQUAL -1)
    message(FATAL_ERROR "disegni.cmake: '${da}' not found while making ${NOME}")
  endif()
  string(REPLACE "${da}" "${a}" testo "${${var}}")
  set(${var} "${testo}" PARENT_SCOPE)
endfunction()

# Recolours every shape filled with one colour of the set.
macro(ricolora var da a)
  sostituisci(${var} "fill=\"${da}\"" "fill=\"${a}\"")
endmacro()

# Puts new shapes just before the first shape that starts with `prima`,
# so that they are drawn under it and over everything before it.
function(inserisci_prima var prima nuovo)
  string(FIND "${${var}}" "${prima}" dove)
  if(dove EQUAL -1)
    message(FATAL_ERROR "disegni.cmake: '${prima}' not found while making ${NOME}")
  endif()
  string(SUBSTRING "${${var}}" 0 ${dove} davanti)
  string(SUBSTRING "${${var}}" ${dove} -1 dietro)
  set(${var} "${davanti}${nuovo}${dietro}" PARENT_SCOPE)
endfunction()

# ---------------------------------------------------------------- recipes

function(disegno_faccia_si)
  leggi(s 1f603)
  # Only the mouth: the eyes share its brown.
  sostituisci(s "<path fill=\"#664500\" d=\"M18 22" "<path fill=\"#C1272D\" d=\"M18 22")
  # A tongue at the bottom of the open mouth, under the teeth.
  inserisci_prima(s "<path fill=\"#FFF\""
    "<path fill=\"#FF7892\" d=\"M12 28.6c1.7 1.5 3.7 2.4 6 2.4s4.3-.9 6-2.4c-1.6-1.1-3.7-1.6-6-1.6s-4.4.5-6 1.6z\"/>")
  set(svg "${s}" PARENT_SCOPE)
endfunction()

function(disegno_faccia_no)
  leggi(s 1f61e)
  set(svg "${s}" PARENT_SCOPE)
endfunction()

function(disegno_ciao)
  leggi(s 1f64b)
  ricolora(s "#FA743E" "#DD2E44")   # shirt and raised sleeve
  ricolora(s "#DD551F" "#A0041E")   # shirt seam
  set(svg "${s}" PARENT_SCOPE)
endfunction()

function(disegno_avvio)
  leggi(s 1f424)
  set(svg "${s}" PARENT_SCOPE)
endfunction()

function(disegno_icona_avvio)
  leggi(s 1f6b8)
  set(svg "${s}" PARENT_SCOPE)
endfunction()

function(disegno_icona_faccina)
  leggi(s 1f642)
  set(svg "${s}" PARENT_SCOPE)
endfunction()

function(disegno_gatto)
  leggi(s 1f408)
  ricolora(s "#FFCC4E" "#99AAB5")   # fur
  ricolora(s "#F18F26" "#66757F")   # stripes, far legs, ears
  ricolora(s "#FD9" "#CCD6DD")      # belly
  ricolora(s "#FEE7B8" "#E1E8ED")   # whiskers
  set(svg "${s}" PARENT_SCOPE)
endfunction()

function(disegno_farfalla)
  leggi(s 1f98b)
  set(svg "${s}" PARENT_SCOPE)
endfunction()

function(disegno_insetto)
  leggi(s 1f41e)
  set(svg "${s}" PARENT_SCOPE)
endfunction()

function(disegno_pesce)
  interno(pesce 1f420)
  interno(bolle 1fae7)
  # The fish swims left; three bubbles rise from its mouth.
  set(svg "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 36 36\">\
<g transform=\"translate(7 7) scale(.8)\">${pesce}</g>\
<g transform=\"translate(0 7) scale(.36)\">${bolle}</g></svg>" PARENT_SCOPE)
endfunction()

function(disegno_pesci_pagliaccio)
  interno(p 1f420)
  ricolora(p "#FFCC4D" "#F96A1B")   # body
  ricolora(p "#FFAC33" "#E0500B")   # fins
  # The curved stripes become white bands edged in black.
  sostituisci(p "<g fill=\"#F4900C\">" "<g fill=\"#FFF\" stroke=\"#292F33\" stroke-width=\".7\" stroke-linejoin=\"round\">")
  # Shown in a 615 x 495 box: the picture is 41:33 so it fills it.
  set(svg "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 82 66\">\
<g transform=\"translate(1 1) scale(1.1)\">${p}</g>\
<g transform=\"translate(41 26) scale(1.1)\">${p}</g></svg>" PARENT_SCOPE)
endfunction()

function(disegno_bruco)
  leggi(s 1f41b)
  # Shown in a 615 x 495 box: widen the frame to 41:33 with the caterpillar in the middle.
  sostituisci(s "viewBox=\"0 0 36 36\"" "viewBox=\"-4.36 0 44.73 36\"")
  set(svg "${s}" PARENT_SCOPE)
endfunction()

function(disegno_cane)
  leggi(s 1f415)
  ricolora(s "#D99E82" "#99AAB5")   # coat, tail, muzzle dots
  ricolora(s "#C1694F" "#66757F")   # far legs, patch on the back
  ricolora(s "#F4C7B5" "#CCD6DD")   # muzzle, chest, belly
  ricolora(s "#662113" "#292F33")   # ear
  # A red collar round the neck with a little gold tag, under the ear.
  inserisci_prima(s "<path fill=\"#292F33\" d=\"M15.167"
    "<path fill=\"#DD2E44\" d=\"M8.4 13.4Q11.5 12.8 14.5 10.2l.6 1.9q-2.5 1.9-5 3z\"/><circle fill=\"#FFCC4D\" cx=\"9.9\" cy=\"15.9\" r=\".8\"/>")
  set(svg "${s}" PARENT_SCOPE)
endfunction()

function(disegno_ghiandaia)
  leggi(s 1f426)
  ricolora(s "#DD2E44" "#3B88C3")   # body, wings, crest
  ricolora(s "#A0041E" "#1C5A8C")   # wing shadow
  # A brown branch for the bird to stand on, drawn under its feet.
  string(REGEX REPLACE "(<svg[^>]*>)"
    "\\1<path fill=\"#8A4B38\" d=\"M0 32.2c8-.3 22-.8 36-1.8v2.3c-14 1-28 1.5-36 1.8z\"/><path fill=\"#8A4B38\" d=\"M6.5 32.5c-1.2-1.8-2.8-3-4.8-3.7l.4-1c2.4.8 4.3 2.3 5.7 4.4z\"/>"
    s "${s}")
  set(svg "${s}" PARENT_SCOPE)
endfunction()

function(disegno_panda)
  leggi(s 1f43c)
  set(svg "${s}" PARENT_SCOPE)
endfunction()

function(disegno_uccellino)
  leggi(s 1f54a)
  ricolora(s "#CCD6DD" "#55ACEE")   # body and front wing
  ricolora(s "#99AAB5" "#2A6797")   # far wing
  # The set draws this bird without an eye.
  sostituisci(s "</svg>" "<circle fill=\"#292F33\" cx=\"9.8\" cy=\"17\" r=\".7\"/></svg>")
  set(svg "${s}" PARENT_SCOPE)
endfunction()

function(disegno_tartaruga)
  leggi(s 1f422)
  # Spikes round the shell make the turtle a little monster; drawn under the shell
  # so their feet disappear into it.
  inserisci_prima(s "<path fill=\"#3E721D\""
    "<path fill=\"#FFE8B6\" stroke=\"#C1694F\" stroke-width=\".5\" stroke-linejoin=\"round\" d=\"M15.3 17.2L10.8 15 12.2 20zM19.8 15.9L16.6 11.9 15.8 17zM24.3 16.6L23.1 11.6 20.3 15.8zM28.2 19.2L29.2 14.2 24.9 16.8zM30.6 23.4L33.6 19.2 28.6 19.7z\"/>")
  set(svg "${s}" PARENT_SCOPE)
endfunction()

function(disegno_cavallo)
  leggi(s 1f40e)
  ricolora(s "#C1694F" "#DD2E44")   # body
  ricolora(s "#8A4B38" "#A0041E")   # far legs
  set(svg "${s}" PARENT_SCOPE)
endfunction()

function(disegno_dinosauro)
  leggi(s 1f995)
  ricolora(s "#77B255" "#3FC8DB")   # body
  ricolora(s "#3E721D" "#1B8A9A")   # far legs
  ricolora(s "#5C913B" "#24A6B8")   # spots
  set(svg "${s}" PARENT_SCOPE)
endfunction()

function(disegno_cerbiatto)
  leggi(s 1f98c)
  # A fawn has no antlers: drop the first shape, which draws both.
  string(REGEX REPLACE "<path fill=\"#662113\" d=\"M15.971[^\"]*\"/>" "" senza "${s}")
  if(senza STREQUAL s)
    message(FATAL_ERROR "disegni.cmake: antlers not found while making cerbiatto")
  endif()
  set(svg "${senza}" PARENT_SCOPE)
endfunction()

function(disegno_cammello)
  leggi(s 1f42b)
  set(svg "${s}" PARENT_SCOPE)
endfunction()

function(disegno_altoparlante)
  leggi(s 1f50a)
  set(svg "${s}" PARENT_SCOPE)
endfunction()

function(disegno_muto)
  leggi(s 1f507)
  set(svg "${s}" PARENT_SCOPE)
endfunction()

# ---------------------------------------------------------------- main

file(MAKE_DIRECTORY "${DESTINAZIONE}")
get_cmake_property(comandi COMMANDS)
foreach(c IN LISTS comandi)
  if(c MATCHES "^disegno_(.+)$")
    set(NOME "${CMAKE_MATCH_1}")
    set(svg "")
    cmake_language(CALL ${c})
    file(WRITE "${DESTINAZIONE}/${NOME}.svg" "${svg}")
  endif()
endforeach()
