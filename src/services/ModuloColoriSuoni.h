#pragma once
// The same feedback on every screen: a right-answer sound drawn from four, one wrong-answer
// sound, and a background colour drawn from a fixed list.
#include <QString>
#include <cstdint>

namespace ModuloColoriSuoni {

// Plays a sound file in the background: a new sound cuts off the one still playing, and a
// file that cannot be played gives the platform's alert sound instead.
class Lettore {
public:
    virtual ~Lettore() = default;
    virtual void suona(const QString& percorso) = 0;
};

// Installs the player every sound goes through (nullptr: the real one, made on first use).
void impostaLettore(Lettore* lettore);
Lettore& lettoreAttuale();

void SuonoGiusto();
void SuonoSbagliato();
// A colour 0xBBGGRR from the eighteen of the list; light violet stands there twice.
uint32_t ColoreCasuale();

}  // namespace ModuloColoriSuoni
