# Windows' files. Everything lives in one folder, beside Bussolino.exe: Windows finds the libraries
# a program needs in the program's own folder, so the worksheet maker and the sound player sit
# there too. Both programs are windowed (no console), with the icon and version information.
target_sources(bussolino_core PRIVATE ${CMAKE_CURRENT_LIST_DIR}/Piattaforma.cpp)
target_link_libraries(bussolino_core PUBLIC shell32)
target_sources(bussolino_schede PRIVATE ${CMAKE_CURRENT_LIST_DIR}/DisegnoVettoriale.cpp)
set(_icona ${CMAKE_BINARY_DIR}/bussolino.ico)
set(_lati)
foreach(lato 16 24 32 48 64 256)
  list(APPEND _lati ${BUSSOLINO_HOST_BUILD}/tools/icons/hicolor/${lato}x${lato}/apps/bussolino.png)
endforeach()
find_program(CONVERT convert REQUIRED)
add_custom_command(OUTPUT ${_icona}
  COMMAND ${CONVERT} ${_lati} ${_icona}
  DEPENDS ${_lati}
  COMMENT "The program's icon for Windows"
  VERBATIM)
string(REPLACE "." "," BUSSOLINO_VERSIONE_RC "${PROJECT_VERSION}.0")
foreach(programma bussolino bussolino-schede)
  if(programma STREQUAL "bussolino")
    set(NOME_FILE "Bussolino")
    set(DESCRIZIONE "Bussolino: destra e sinistra")
  else()
    set(NOME_FILE "bussolino-schede")
    set(DESCRIZIONE "Bussolino: schede da stampare")
  endif()
  set(ICONA ${_icona})
  configure_file(${CMAKE_CURRENT_LIST_DIR}/programma.rc.in ${CMAKE_BINARY_DIR}/${programma}.rc @ONLY)
  target_sources(${programma} PRIVATE ${CMAKE_BINARY_DIR}/${programma}.rc ${_icona})
  set_source_files_properties(${CMAKE_BINARY_DIR}/${programma}.rc PROPERTIES OBJECT_DEPENDS ${_icona})
  set_target_properties(${programma} PROPERTIES WIN32_EXECUTABLE ON OUTPUT_NAME ${NOME_FILE}
                        RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
endforeach()

# The sound player: a plugin as on Linux, over WinMM.
add_library(bussolino_suono MODULE ${CMAKE_CURRENT_LIST_DIR}/LettoreWinMM.cpp ${CMAKE_CURRENT_LIST_DIR}/LettoreWinMM.h
                                   ${CMAKE_CURRENT_LIST_DIR}/Wav.cpp ${CMAKE_CURRENT_LIST_DIR}/Wav.h)
target_include_directories(bussolino_suono PRIVATE ${CMAKE_SOURCE_DIR}/src)
target_link_libraries(bussolino_suono PRIVATE Qt6::Core winmm)
set_target_properties(bussolino_suono PROPERTIES LIBRARY_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
add_dependencies(bussolino_core bussolino_suono)

# The figures, sounds and voice as the build machine made them, beside the programs.
foreach(cartella gif suoni voce)
  file(COPY ${BUSSOLINO_HOST_BUILD}/${cartella} DESTINATION ${CMAKE_BINARY_DIR})
endforeach()

# The floor for start-up: a bare Qt window built the same way (BUSSOLINO_BARE: its source).
set(BUSSOLINO_BARE "" CACHE FILEPATH "The bare Qt window to measure start-up against")
if(EXISTS "${BUSSOLINO_BARE}")
  add_executable(bare WIN32 ${BUSSOLINO_BARE})
  target_link_libraries(bare PRIVATE Qt6::Widgets)
endif()
