#pragma once
// The fonts and pictures the program carries inside itself (Qt resources built by
// ui/risorse.cmake), so every machine shows the same letters and pictures.
#include <QString>
#include <QStringList>
#include <future>

namespace Risorse {

// Made to run on a thread of its own from the start of the program: reads the system's font
// configuration, which Qt would otherwise read at the title's first text, then, once the
// application exists, adds the title's font. A screen asking for it meanwhile waits.
void preparaCaratteri(std::future<void> applicazione);
// Adds every carried font as an application font; calling it again does nothing.
// Needs the QGuiApplication to exist.
void caricaCaratteri();
// The families that stand in for Arial and MS Sans Serif, and for Comic Sans MS, as they were
// registered ("Liberation Sans", "Comic Neue"); the first call for a family adds its fonts.
QString famigliaArial();
QString famigliaComic();

QString percorsoDisegno(const QString& nome);  // ":/disegni/<nome>.svg"
QStringList nomiDisegni();                      // every carried drawing, sorted

}  // namespace Risorse
