#pragma once
// The sound player on Windows, built as a plugin of its own (libbussolino_suono.dll beside the
// program): every file read once to 16-bit mono samples (Wav) and played through Windows' own
// waveOut, fed by a thread of the player's own. A new sound drops whatever the device still holds,
// so it starts at once and cuts the old one off; a file that cannot be played gives the system's
// alert sound. Where there is no audio device nothing is heard and nothing waits; the device is
// asked for again at the next sound.
#include "platform/windows/Wav.h"
#include "services/Campioni.h"
#include "services/Lettore.h"

#include <QByteArray>
#include <memory>

class LettoreWinMM : public ModuloColoriSuoni::Lettore {
public:
    LettoreWinMM();
    ~LettoreWinMM() override;
    void suona(const QString& percorso) override;
    void accoda(const QString& percorso) override;
    void ferma() override;

    struct Condiviso;  // what the feeding thread shares with the player, under its mutex

private:
    std::unique_ptr<Condiviso> condiviso;
    Campioni::Decodificati decodificato{&Wav::decodifica};
};
