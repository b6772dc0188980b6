#pragma once
// The real sound player: one audio stream, opened once and kept fed. Every file is decoded
// once to 16-bit mono PCM; a new sound replaces whatever of the old one is still waiting,
// so it starts at once and cuts the old one off.
#include "services/ModuloColoriSuoni.h"

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QTimer>

class QAudioSink;
class QIODevice;

class LettoreAudio : public QObject, public ModuloColoriSuoni::Lettore {
    Q_OBJECT
public:
    static constexpr int Frequenza = 44100;

    LettoreAudio();
    ~LettoreAudio() override;
    void suona(const QString& percorso) override;
    void accoda(const QString& percorso) override;
    void ferma() override;

    // Decodes a sound file to 16-bit mono at 44.1 kHz; empty when it cannot be played.
    static QByteArray decodifica(const QString& percorso, QString* problema = nullptr);

private:
    const QByteArray& decodificato(const QString& percorso);
    bool apri();
    void alimenta();

    QAudioSink* uscita = nullptr;
    QIODevice* flusso = nullptr;
    bool apertura = false;
    QTimer timer;
    QHash<QString, QByteArray> decodificati;
    QByteArray inAttesa;  // what is still to be written of the sound playing
    QList<QByteArray> coda;  // the sentences that follow it
    qsizetype posizione = 0;
};
