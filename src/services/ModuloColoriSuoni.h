#pragma once
// The same feedback on every screen: a right-answer sound drawn from four, one wrong-answer
// sound, and a background colour drawn from a fixed list.
#include "services/Lettore.h"

#include <QString>
#include <cstdint>

namespace ModuloColoriSuoni {

// Installs the player every sound goes through (nullptr: the program's own).
void impostaLettore(Lettore* lettore);
Lettore& lettoreAttuale();

void SuonoGiusto();
void SuonoSbagliato();
// The background colours, 0xBBGGRR; light violet stands there twice. Slot 0 is never drawn.
inline constexpr uint32_t Colori[19] = {
    0,
    0xC0C0FF, 0x8080FF, 0x0000FF, 0x80C0FF, 0x0080FF, 0xC0FFFF,
    0x00FFFF, 0x0040C0, 0x80FF80, 0x00C000, 0xFFFFC0, 0xFFFF00,
    0xFFC0C0, 0xFFC0FF, 0xFFC0FF, 0xE0E0E0, 0xFF0000, 0xFF00FF,
};
// A colour from slots 1 to 18 of Colori.
uint32_t ColoreCasuale();

}  // namespace ModuloColoriSuoni
