#pragma once
// The real sound player, built as a plugin of its own: every file decoded once to 16-bit mono
// samples (libsndfile) and played on one PulseAudio stream that a thread of its own keeps fed.
// A new sound replaces whatever is still waiting, so it starts at once and cuts the old one off.
// A stream the server broke (restarted, crashed) or could not give (not started yet) is opened
// anew at the next sound, on that thread, never holding up a click.
#include "services/ModuloColoriSuoni.h"

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <memory>
#include <thread>

class LettoreAudio : public ModuloColoriSuoni::Lettore {
public:
    LettoreAudio();
    ~LettoreAudio() override;
    void suona(const QString& percorso) override;
    void accoda(const QString& percorso) override;
    void ferma() override;

    // Decodes a sound file to 16-bit mono at PluginSuono::Frequenza; empty when it cannot be played.
    static QByteArray decodifica(const QString& percorso, QString* problema = nullptr);

    struct Condiviso;  // what the feeding thread shares with the player

private:
    // The short answer sounds are kept decoded for the run; the spoken sentences, long and heard
    // about once an exercise, are decoded when queued and let go once played. A file that cannot
    // be played is said once.
    QByteArray decodificato(const QString& percorso, bool tieni);

    std::shared_ptr<Condiviso> condiviso;
    QObject ricevitore;  // on the user-interface thread: the alert sound is given there
    QHash<QString, QByteArray> decodificati;  // kept, or empty for a file that cannot be played
    std::thread filo;
};
