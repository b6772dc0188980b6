#pragma once
// The fonts and pictures the program carries inside itself (Qt resources built by
// ui/risorse.cmake), so every machine shows the same letters and pictures.
#include <QString>
#include <QStringList>

namespace Risorse {

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
