#pragma once
// The program's sound player as the rest of the program sees it. The real player is a plugin
// of ours (lib/libbussolino_suono.so beside the program) loaded on a thread once the title has
// painted, so the sound libraries cost the title nothing.
#include "services/Lettore.h"

#include <QByteArray>
#include <memory>

namespace PluginSuono {

// Every sound is played as 16-bit mono samples at this rate.
constexpr int Frequenza = 44100;

// What the plugin offers, through the one function it exports, `bussolinoSuono`.
struct Interfaccia {
    ModuloColoriSuoni::Lettore* (*nuovoLettore)();
    // The samples of a sound file; empty, with the reason, when it cannot be played.
    QByteArray (*decodifica)(const QString& percorso, QString* problema);
};

// Loads the plugin on a thread of its own once some window has painted.
void caricaDopoIlPrimoDisegno();
// The plugin, waited for or loaded now; nullptr, told once on stderr, when it cannot be loaded.
const Interfaccia* interfaccia();

// The player every sound of the program goes through. Until the plugin has loaded, a sound
// waits for it; without the plugin, an answer gives the platform's alert sound.
ModuloColoriSuoni::Lettore& lettoreDelProgramma();
// Lets go of that player and its stream, while the application still exists; a sound asked
// for afterwards makes a new one.
void chiudi();

// For tests and benchmarks: a player of their own, and the decoding it does.
std::unique_ptr<ModuloColoriSuoni::Lettore> nuovoLettore();
QByteArray decodifica(const QString& percorso, QString* problema = nullptr);

}  // namespace PluginSuono
