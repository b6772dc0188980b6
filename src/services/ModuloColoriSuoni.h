#pragma once
// The same feedback on every screen: a right-answer sound drawn from four, one wrong-answer
// sound, and a background colour drawn from a fixed list.
#include <QString>
#include <cstdint>

namespace ModuloColoriSuoni {

// Plays sound files in the background. suona: a new sound cuts off whatever is playing or
// waiting, and a file that cannot be played gives the platform's alert sound instead.
// accoda: a sentence of the voice, played after what is playing or waiting; one that cannot
// be played is left out. ferma: silence, nothing waiting.
class Lettore {
public:
    virtual ~Lettore() = default;
    virtual void suona(const QString& percorso) = 0;
    virtual void accoda(const QString& percorso) = 0;
    virtual void ferma() = 0;
};

// Installs the player every sound goes through (nullptr: the real one, made on first use).
void impostaLettore(Lettore* lettore);
Lettore& lettoreAttuale();

void SuonoGiusto();
void SuonoSbagliato();
// A colour 0xBBGGRR from the eighteen of the list; light violet stands there twice.
uint32_t ColoreCasuale();

}  // namespace ModuloColoriSuoni
