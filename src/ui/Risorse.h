#pragma once
// The fonts and pictures the program carries inside itself (Qt resources built by
// ui/risorse.cmake), so every machine shows the same letters and pictures.
#include <QString>
#include <QStringList>
#include <functional>

namespace Risorse {

// The reading of the system's font configuration, which Qt would otherwise do at the title's first
// text: a task for a thread of its own from the start of the program. From this call on, the
// title's font waits a moment for it rather than read it a second time.
std::function<void()> letturaConfigurazioneCaratteri();
// Adds the title's font (see famigliaComic); made to run on a thread of its own once the
// application exists. It waits a moment for the configuration; were that reading held up, Qt
// reads the configuration itself.
void aggiungiCarattereTitolo();
// Adds every carried font as an application font; calling it again does nothing.
// Needs the QGuiApplication to exist.
void caricaCaratteri();
// The families that stand in for Arial and MS Sans Serif, and for Comic Sans MS, as they were
// registered ("Liberation Sans", "Comic Neue"); the first call for a family adds its fonts, and a
// call from another thread meanwhile waits for it.
QString famigliaArial();
QString famigliaComic();

QString percorsoDisegno(const QString& nome);  // ":/disegni/<nome>.svg", or the platform's own form
QStringList nomiDisegni();                      // every carried drawing, sorted

}  // namespace Risorse
