#pragma once
// The same feedback on every screen: a right-answer sound drawn from four, one wrong-answer
// sound, and a background colour drawn from a fixed list.
#include <QString>
#include <cstdint>

namespace ModuloColoriSuoni {

// Plays sound files in the background. `suona` replaces everything playing or waiting and
// starts at once, so an answer cuts off the sound before it; a file it cannot play gives the
// platform's alert sound instead. `accoda` plays a file after everything playing or waiting,
// for sentences that follow each other; a file it cannot play is left out. `ferma` silences
// everything.
class Lettore {
public:
    virtual ~Lettore() = default;
    virtual void suona(const QString& percorso) = 0;
    virtual void accoda(const QString& percorso) = 0;
    virtual void ferma() = 0;
};

// Installs the player every sound goes through (nullptr: the program's own).
void impostaLettore(Lettore* lettore);
Lettore& lettoreAttuale();

void SuonoGiusto();
void SuonoSbagliato();
// A colour 0xBBGGRR from the eighteen of the list; light violet stands there twice.
uint32_t ColoreCasuale();

}  // namespace ModuloColoriSuoni
