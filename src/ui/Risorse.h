#pragma once
// The fonts and pictures the program carries inside itself (Qt resources built by
// ui/risorse.cmake), so every machine shows the same letters and pictures.
#include <QString>
#include <QStringList>

namespace Risorse {

// Starts reading the system's font configuration, which Qt would otherwise read at the title's
// first text, on a thread of its own at idle priority; called at the start of the program.
void leggiConfigurazioneCaratteri();
// Adds the title's font (see famigliaComic); made to run on a thread of its own once the
// application exists. It waits a moment for the configuration rather than read it twice; were
// that reading starved, Qt reads the configuration itself.
void aggiungiCarattereTitolo();
// Adds every carried font as an application font; calling it again does nothing.
// Needs the QGuiApplication to exist.
void caricaCaratteri();
// The families that stand in for Arial and MS Sans Serif, and for Comic Sans MS, as they were
// registered ("Liberation Sans", "Comic Neue"); the first call for a family adds its fonts, and a
// call from another thread meanwhile waits for it.
QString famigliaArial();
QString famigliaComic();

QString percorsoDisegno(const QString& nome);  // ":/disegni/<nome>.svg"
QStringList nomiDisegni();                      // every carried drawing, sorted

}  // namespace Risorse
