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
// A colour 0xBBGGRR from the eighteen of the list; light violet stands there twice.
uint32_t ColoreCasuale();

}  // namespace ModuloColoriSuoni
