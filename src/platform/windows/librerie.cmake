# Windows' libraries are Qt's and the system's own (WinMM for sound, the shell's command line).
# What only the build machine can make comes from a build for it, BUSSOLINO_HOST_BUILD (made first
# by scripts/windows/build): the figures, sounds and voice, the icon, and the carried drawings
# recorded as pictures, which stand in for the SVG library this build does not have.
set(BUSSOLINO_HOST_BUILD "" CACHE PATH "A build of Bussolino for the build machine")
if(NOT EXISTS "${BUSSOLINO_HOST_BUILD}/tools/recordings/disegni/.fatto")
  message(FATAL_ERROR "BUSSOLINO_HOST_BUILD must be a build for this machine with its drawings recorded "
                      "(cmake --build <it> --target disegni_registrati): scripts/windows/build does both")
endif()
file(GLOB BUSSOLINO_DISEGNI ${BUSSOLINO_HOST_BUILD}/tools/recordings/disegni/*.qpic)
