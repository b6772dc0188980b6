#pragma once
// The real sound player, built as a plugin of its own: every file decoded once to 16-bit mono
// samples (libsndfile) and played on one PulseAudio stream, fed on PulseAudio's own event thread
// whenever the server asks for more. A new sound replaces whatever is still waiting, so it
// starts at once and cuts the old one off. Nothing here waits for the server: a stream the
// server broke (restarted, crashed) or could not give (not started yet) is asked for anew at the
// next sound, and the player lets go at once whatever the server is doing.
#include "services/Campioni.h"
#include "services/Lettore.h"

#include <QByteArray>
#include <QObject>
#include <memory>

class LettoreAudio : public ModuloColoriSuoni::Lettore {
public:
    LettoreAudio();
    ~LettoreAudio() override;
    void suona(const QString& percorso) override;
    void accoda(const QString& percorso) override;
    void ferma() override;

    // Decodes a sound file to 16-bit mono at PluginSuono::Frequenza; empty when it cannot be played.
    static QByteArray decodifica(const QString& percorso, QString* problema = nullptr);

    struct Condiviso;  // what PulseAudio's thread shares with the player, under that thread's lock

private:
    QObject ricevitore;  // on the user-interface thread: the alert sound is given there
    std::unique_ptr<Condiviso> condiviso;
    Campioni::Decodificati decodificato{&LettoreAudio::decodifica};
};
